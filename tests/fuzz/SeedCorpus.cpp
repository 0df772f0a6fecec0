// Writes a small seed corpus for each reader's fuzzer: valid files of every shape the writers
// produce, so the fuzzers start from deep inside each format. Usage: FuzzSeedCorpus <dir>;
// makes <dir>/mesh, <dir>/skeleton, <dir>/animation and <dir>/dds.
#include <cstdio>
#include <filesystem>
#include <string>

#include <Assets/Formats.h>

namespace {

Assets::MeshData Mesh(bool skinned) {
    Assets::MeshData mesh;
    mesh.skinned = skinned;
    for (int i = 0; i < 4; ++i) {
        Assets::MeshVertex v;
        v.position = Math::Vector3(static_cast<float>(i & 1), static_cast<float>(i >> 1), 0.0f);
        v.normal = Math::Vector3(0.0f, 0.0f, 1.0f);
        v.uv = Math::Vector2(v.position.x, v.position.y);
        v.boneIndices = {static_cast<std::uint8_t>(i), 1, 0, 0};
        v.boneWeights = {0.5f, 0.5f, 0.0f, 0.0f};
        mesh.vertices.push_back(v);
    }
    mesh.indices = {0, 1, 2, 2, 1, 3};
    return mesh;
}

Assets::SkeletonData Skeleton() {
    Assets::SkeletonData skeleton;
    for (int i = 0; i < 3; ++i) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(i);
        bone.parent = i - 1;
        bone.bindPose.translation = Math::Vector3(0.0f, 1.0f, 0.0f);
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

Assets::AnimationData Clip(int tracks) {
    Assets::AnimationData clip;
    clip.duration = 2.0f;
    for (int t = 0; t < tracks; ++t) {
        Assets::BoneTrack track;
        track.bone = static_cast<std::uint32_t>(t * 2);
        track.translations = {{0.0f, Math::Vector3(0, 0, 0)}, {1.0f, Math::Vector3(1, 0, 0)}};
        track.rotations = {{0.5f, Math::Quaternion()}};
        track.scales = {{0.0f, Math::Vector3(1, 1, 1)}, {1.0f, Math::Vector3(2, 2, 2)}, {2.0f, Math::Vector3(1, 1, 1)}};
        clip.tracks.push_back(track);
    }
    return clip;
}

Assets::CubeMapData Cube(std::uint32_t size) {
    Assets::CubeMapData cube;
    cube.size = size;
    for (int f = 0; f < 6; ++f) {
        for (std::uint32_t p = 0; p < size * size * 4; ++p) {
            cube.faces[f].push_back(static_cast<std::uint8_t>(f * 40 + p));
        }
    }
    return cube;
}

bool Put(const std::filesystem::path& dir, const std::string& name, const Assets::Bytes& bytes) {
    std::filesystem::create_directories(dir);
    std::string error;
    if (!Assets::WriteFileBytes((dir / name).string(), bytes, error)) {
        std::fprintf(stderr, "FuzzSeedCorpus: %s: %s\n", (dir / name).c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: FuzzSeedCorpus <corpus directory>\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const bool ok = Put(root / "mesh", "static", Assets::WriteMesh(Mesh(false))) &&
                    Put(root / "mesh", "skinned", Assets::WriteMesh(Mesh(true))) &&
                    Put(root / "skeleton", "chain", Assets::WriteSkeleton(Skeleton())) &&
                    Put(root / "animation", "empty", Assets::WriteAnimation(Clip(0))) &&
                    Put(root / "animation", "tracks", Assets::WriteAnimation(Clip(3))) &&
                    Put(root / "dds", "one", Assets::WriteCubeMapDds(Cube(1))) &&
                    Put(root / "dds", "four", Assets::WriteCubeMapDds(Cube(4)));
    return ok ? 0 : 1;
}
