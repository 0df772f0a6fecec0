#include "AnimationLibrary.h"

#include <unordered_map>

#include "../resources/ResourceFiles.h"

namespace RenderInterface {
namespace AnimationLibrary {

namespace {

template <typename Data>
using Registry = std::unordered_map<std::string, Data>;

Registry<Assets::SkeletonData>& Skeletons() {
    static Registry<Assets::SkeletonData> skeletons;
    return skeletons;
}

Registry<Assets::AnimationData>& Clips() {
    static Registry<Assets::AnimationData> clips;
    return clips;
}

template <typename Data>
ResourceResult Register(const char* path, const char* name,
                        Assets::FileResult (*read)(const std::string&, Data&, std::string&), Registry<Data>& registry) {
    if (!CheckResourceNames(path, name)) {
        return ResourceResult::BadName;
    }
    registry.erase(name);
    Data data;
    const ResourceResult result = ReadResourceFile(path, data, read);
    if (result == ResourceResult::Loaded) {
        registry[name] = std::move(data);
    }
    return result;
}

template <typename Data>
const Data* Find(const Registry<Data>& registry, const std::string& name) {
    const auto found = registry.find(name);
    return found == registry.end() ? nullptr : &found->second;
}

}  // namespace

ResourceResult RegisterSkeletonFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadSkeletonFile, Skeletons());
}

ResourceResult RegisterAnimationFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadAnimationFile, Clips());
}

void Clear() {
    Skeletons().clear();
    Clips().clear();
}

const Assets::SkeletonData* FindSkeleton(const std::string& name) { return Find(Skeletons(), name); }

const Assets::AnimationData* FindClip(const std::string& name) { return Find(Clips(), name); }

}  // namespace AnimationLibrary
}  // namespace RenderInterface
