#include "AssetBuilder.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <Assets/ResourcePaths.h>

#include "Clips.h"
#include "Floor.h"
#include "Sky.h"
#include "WarriorMeshes.h"
#include "WarriorSkeleton.h"
#include "Weapons.h"

namespace AssetGen {

std::vector<AssetFile> BuildAllAssets() {
    using Assets::RelativeResourcePath;
    std::vector<AssetFile> files;
    files.push_back({RelativeResourcePath(Assets::kDaySkyFile), Assets::WriteCubeMapDds(BuildDaySky())});
    files.push_back({RelativeResourcePath(Assets::kCitySkyFile), Assets::WriteCubeMapDds(BuildDuskCitySky())});
    files.push_back({RelativeResourcePath(Assets::kSwordFile), Assets::WriteMesh(BuildSwordMesh())});
    files.push_back({RelativeResourcePath(Assets::kShieldFile), Assets::WriteMesh(BuildShieldMesh())});
    files.push_back({RelativeResourcePath(Assets::kGunFile), Assets::WriteMesh(BuildRevolverMesh())});
    files.push_back({RelativeResourcePath(Assets::kFloorFile), Assets::WriteMesh(BuildFloorCube())});
    files.push_back({RelativeResourcePath(Assets::kPlayerMeshFile), Assets::WriteMesh(BuildWarriorMesh())});
    files.push_back({RelativeResourcePath(Assets::kHumanMeshFile), Assets::WriteMesh(BuildHumanMesh())});
    files.push_back({RelativeResourcePath(Assets::kSkeletonFile), Assets::WriteSkeleton(BuildWarriorSkeleton())});
    for (const NamedClip& clip : BuildAllClips()) {
        files.push_back({ClipPath(clip.name), Assets::WriteAnimation(clip.clip)});
    }
    return files;
}

std::string ClipPath(const std::string& name) {
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        if (name == file.name) {
            return Assets::RelativeResourcePath(file);
        }
    }
    throw std::logic_error("no resource path for the clip " + name);
}

bool WriteAllAssets(const std::string& outputDirectory, std::string& error) {
    for (const AssetFile& file : BuildAllAssets()) {
        const std::filesystem::path path = std::filesystem::path(outputDirectory) / file.path;
        std::error_code failure;
        std::filesystem::create_directories(path.parent_path(), failure);
        if (failure) {
            error = path.parent_path().string() + ": cannot create the directory: " + failure.message();
            return false;
        }
        std::string reason;
        if (!Assets::WriteFileBytes(path.string(), file.bytes, reason)) {
            error = path.string() + ": " + reason;
            return false;
        }
    }
    return true;
}

}  // namespace AssetGen
