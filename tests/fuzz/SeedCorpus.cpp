// Writes a seed corpus for each reader's fuzzer: valid files of the shapes the writers produce, so
// the fuzzers start from deep inside each format. Usage: FuzzSeedCorpus <dir>; makes <dir>/mesh,
// <dir>/skeleton, <dir>/animation and <dir>/dds.
#include <cstdio>
#include <filesystem>
#include <string>

#include <Assets/Formats.h>

namespace {

Assets::MeshData Quad(bool skinned) {
    Assets::MeshData mesh{skinned, {}, {0, 1, 2, 2, 1, 3}};
    for (int i = 0; i < 4; ++i) {
        const Math::Vector3 position(float(i & 1), float(i >> 1), 0.0f);
        mesh.vertices.push_back({position, Math::Vector3(0, 0, 1), Math::Vector2(position.x, position.y),
                                 {255, 255, 255, 255}, {std::uint8_t(i), 1, 0, 0}, {0.5f, 0.5f, 0.0f, 0.0f}});
    }
    return mesh;
}

Assets::SkeletonData Chain() {
    Assets::SkeletonData skeleton;
    for (int i = 0; i < 3; ++i) skeleton.bones.push_back({"bone" + std::to_string(i), i - 1, {}, {}});
    return skeleton;
}

Assets::AnimationData Clip(int tracks) {
    Assets::AnimationData clip{2.0f, {}};
    for (int t = 0; t < tracks; ++t) {
        clip.tracks.push_back({std::uint32_t(2 * t),
                               {{0.0f, Math::Vector3(0, 0, 0)}, {1.0f, Math::Vector3(1, 0, 0)}},
                               {{0.5f, Math::Quaternion()}},
                               {{0.0f, Math::Vector3(1, 1, 1)}, {2.0f, Math::Vector3(2, 2, 2)}}});
    }
    return clip;
}

Assets::CubeMapData Cube(std::uint32_t size) {
    Assets::CubeMapData cube{size, {}};
    for (int f = 0; f < 6; ++f) cube.faces[f].assign(size * size * 4, std::uint8_t(f * 40));
    return cube;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: FuzzSeedCorpus <corpus directory>\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const std::pair<const char*, Assets::Bytes> seeds[] = {
        {"mesh/static", Assets::WriteMesh(Quad(false))},       {"mesh/skinned", Assets::WriteMesh(Quad(true))},
        {"skeleton/chain", Assets::WriteSkeleton(Chain())},    {"animation/empty", Assets::WriteAnimation(Clip(0))},
        {"animation/tracks", Assets::WriteAnimation(Clip(3))}, {"dds/one", Assets::WriteCubeMapDds(Cube(1))},
        {"dds/four", Assets::WriteCubeMapDds(Cube(4))}};
    for (const auto& [name, bytes] : seeds) {
        const std::filesystem::path path = root / name;
        std::filesystem::create_directories(path.parent_path());
        std::string error;
        if (!Assets::WriteFileBytes(path.string(), bytes, error)) {
            std::fprintf(stderr, "FuzzSeedCorpus: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
