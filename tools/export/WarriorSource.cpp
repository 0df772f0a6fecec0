#include "WarriorSource.h"

#include <filesystem>

#include <Assets/ResourcePaths.h>

namespace WarriorExport {

namespace {

// The demo's path of a resource ("./resources/...") inside the folder the demo runs in.
std::string FileIn(const std::string& demoFolder, const char* path) {
    return (std::filesystem::path(demoFolder) / Assets::NormalizePath(path)).lexically_normal().string();
}

bool Refuse(const std::string& demoFolder, const char* path, const std::string& reason, std::string& error) {
    error = FileIn(demoFolder, path) + ": " + reason;
    return false;
}

template <typename Data>
bool ReadResource(const std::string& demoFolder, const char* path,
                  bool (*read)(const Assets::Bytes&, Data&, std::string&), Data& out, std::string& error) {
    Assets::Bytes bytes;
    std::string reason;
    if (!Assets::ReadFileBytes(FileIn(demoFolder, path), bytes, reason) || !read(bytes, out, reason)) {
        return Refuse(demoFolder, path, reason, error);
    }
    return true;
}

template <typename Key>
bool KeysStartAtZero(const std::vector<Key>& keys) {
    return keys.empty() || keys.front().time >= 0.0f;
}

// glTF has no keys before time zero and no animation without a channel; a track for a bone the
// skeleton lacks would target no node. The demo never plays any of these, so they are refused.
bool CheckClip(const Assets::AnimationData& clip, std::size_t boneCount, std::string& reason) {
    if (clip.tracks.empty()) {
        reason = "the clip has no tracks";
        return false;
    }
    for (const Assets::BoneTrack& track : clip.tracks) {
        if (track.bone >= boneCount) {
            reason = "a track for bone " + std::to_string(track.bone) + ", past the skeleton's " +
                     std::to_string(boneCount) + " bones";
            return false;
        }
        if (!KeysStartAtZero(track.translations) || !KeysStartAtZero(track.rotations) ||
            !KeysStartAtZero(track.scales)) {
            reason = "a key before time 0 on bone " + std::to_string(track.bone);
            return false;
        }
    }
    return true;
}

// A skin's joint indices must name joints it has.
bool CheckBones(const Assets::MeshData& mesh, std::size_t boneCount, std::string& reason) {
    for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
        for (std::uint8_t bone : mesh.vertices[v].boneIndices) {
            if (bone >= boneCount) {
                reason = "vertex " + std::to_string(v) + " is bound to bone " + std::to_string(bone) +
                         ", past the skeleton's " + std::to_string(boneCount) + " bones";
                return false;
            }
        }
    }
    return true;
}


}  // namespace

bool ReadWarriorSource(const std::string& demoFolder, WarriorSource& out, std::string& error) {
    if (!ReadResource(demoFolder, Assets::kSkeletonFile.path, Assets::ReadSkeleton, out.skeleton, error) ||
        !ReadResource(demoFolder, Assets::kPlayerMeshFile.path, Assets::ReadMesh, out.body, error)) {
        return false;
    }
    std::string reason;
    if (!out.body.skinned) {
        return Refuse(demoFolder, Assets::kPlayerMeshFile.path, "the warrior's mesh is not skinned", error);
    }
    if (!CheckBones(out.body, out.skeleton.bones.size(), reason)) {
        return Refuse(demoFolder, Assets::kPlayerMeshFile.path, reason, error);
    }
    out.clips.clear();
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        out.clips.push_back({file.name, {}});
        if (!ReadResource(demoFolder, file.path, Assets::ReadAnimation, out.clips.back().clip, error)) {
            return false;
        }
        if (!CheckClip(out.clips.back().clip, out.skeleton.bones.size(), reason)) {
            return Refuse(demoFolder, file.path, reason, error);
        }
    }
    out.weapons.clear();
    for (const Assets::ResourceFile& file : Assets::kWeaponFiles) {
        out.weapons.push_back({file.name, {}});
        if (!ReadResource(demoFolder, file.path, Assets::ReadMesh, out.weapons.back().mesh, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace WarriorExport
