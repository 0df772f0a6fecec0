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
ResourceResult Register(const char* path, const char* name, bool (*read)(const Assets::Bytes&, Data&, std::string&),
                        Registry<Data>& registry) {
    if (!CheckResourceNames(path, name)) {
        return ResourceResult::BadName;
    }
    registry.erase(name);
    Assets::Bytes bytes;
    const ResourceResult fileResult = ReadResourceFile(path, bytes);
    if (fileResult != ResourceResult::Loaded) {
        return fileResult;
    }
    Data data;
    std::string error;
    if (!read(bytes, data, error)) {
        return ReportBadFormat(path, error);
    }
    registry[name] = std::move(data);
    return ResourceResult::Loaded;
}

template <typename Data>
const Data* Find(const Registry<Data>& registry, const std::string& name) {
    const auto found = registry.find(name);
    return found == registry.end() ? nullptr : &found->second;
}

}  // namespace

ResourceResult RegisterSkeletonFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadSkeleton, Skeletons());
}

ResourceResult RegisterAnimationFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadAnimation, Clips());
}

void Clear() {
    Skeletons().clear();
    Clips().clear();
}

const Assets::SkeletonData* FindSkeleton(const std::string& name) { return Find(Skeletons(), name); }

const Assets::AnimationData* FindClip(const std::string& name) { return Find(Clips(), name); }

}  // namespace AnimationLibrary
}  // namespace RenderInterface
