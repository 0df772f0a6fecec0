#include "AnimationLibrary.h"

#include "../resources/ResourceFiles.h"

namespace RenderInterface {
namespace AnimationLibrary {

namespace {

template <typename Data>
ResourceResult Register(const char* path, const char* name, bool (*read)(const Assets::Bytes&, Data&, std::string&),
                        void (*remove)(const std::string&),
                        bool (*add)(const std::string&, const Data&, std::string&)) {
    if (!CheckResourceNames(path, name)) {
        return ResourceResult::BadName;
    }
    remove(name);
    Assets::Bytes bytes;
    const ResourceResult fileResult = ReadResourceFile(path, bytes);
    if (fileResult != ResourceResult::Loaded) {
        return fileResult;
    }
    Data data;
    std::string error;
    if (!read(bytes, data, error) || !add(name, data, error)) {
        return ReportBadFormat(path, error);
    }
    return ResourceResult::Loaded;
}

}  // namespace

ResourceResult RegisterSkeletonFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadSkeleton, Animation::Registry::RemoveSkeleton,
                    Animation::Registry::AddSkeleton);
}

ResourceResult RegisterAnimationFile(const char* path, const char* name) {
    return Register(path, name, Assets::ReadAnimation, Animation::Registry::RemoveClip, Animation::Registry::AddClip);
}

}  // namespace AnimationLibrary
}  // namespace RenderInterface
