#include "AssetBuilder.h"

#include <filesystem>
#include <system_error>

#include "Clips.h"
#include "Floor.h"
#include "Sky.h"
#include "WarriorMeshes.h"
#include "WarriorSkeleton.h"
#include "Weapons.h"

namespace AssetGen {

std::vector<AssetFile> BuildAllAssets() {
    std::vector<AssetFile> files;
    files.push_back({"resources/textures/CubeMap.dds", Assets::WriteCubeMapDds(BuildDaySky())});
    files.push_back({"resources/textures/CitySkybox.dds", Assets::WriteCubeMapDds(BuildDuskCitySky())});
    files.push_back({"resources/models/Sword.mesh", Assets::WriteMesh(BuildSwordMesh())});
    files.push_back({"resources/models/Shield.mesh", Assets::WriteMesh(BuildShieldMesh())});
    files.push_back({"resources/models/Cerberus.mesh", Assets::WriteMesh(BuildRevolverMesh())});
    files.push_back({"resources/models/default/Cube.mesh", Assets::WriteMesh(BuildFloorCube())});
    files.push_back({"resources/models/Warrior_Skeleton.mesh", Assets::WriteMesh(BuildWarriorMesh())});
    files.push_back({"resources/models/Warrior_Skeleton2.mesh", Assets::WriteMesh(BuildHumanMesh())});
    files.push_back({"resources/skeletons/Warrior_Skeleton.ske", Assets::WriteSkeleton(BuildWarriorSkeleton())});
    for (const NamedClip& clip : BuildAllClips()) {
        files.push_back({"resources/animations/" + clip.fileName, Assets::WriteAnimation(clip.clip)});
    }
    return files;
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
