#include "AnimationLibrary.h"

#include "../resources/ResourceFiles.h"

namespace RenderInterface {
namespace AnimationLibrary {

namespace {

template <typename Data>
ResourceResult Register(const char* path, const char* name,
                        Assets::FileResult (*read)(const std::string&, Data&, std::string&),
                        void (*remove)(const std::string&),
                        bool (*add)(const std::string&, const Data&, std::string&)) {
    if (!CheckResourceNames(path, name)) {
        return ResourceResult::BadName;
    }
    remove(name);
    Data data;
    const ResourceResult result = ReadResourceFile(path, data, read);
    if (result != ResourceResult::Loaded) {
        return result;
    }
    std::string error;
    if (!add(name, data, error)) {
        return ReportBadFormat(path, error);
    }
    return ResourceResult::Loaded;
}

}  // namespace

ResourceResult RegisterSkeletonFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadSkeletonFile, Animation::Registry::RemoveSkeleton,
                    Animation::Registry::AddSkeleton);
}

ResourceResult RegisterAnimationFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadAnimationFile, Animation::Registry::RemoveClip,
                    Animation::Registry::AddClip);
}

}  // namespace AnimationLibrary
}  // namespace RenderInterface
