// Writes each reader's fuzzer a seed corpus, the small valid files of the format tests, so that
// the fuzzers start from deep inside each format: FuzzSeedCorpus <dir> makes <dir>/<fuzzer>/<seed>.
#include <cstdio>
#include <filesystem>
#include <string>

#include "FormatSamples.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    using namespace FormatTest;
    const std::pair<const char*, Assets::Bytes> seeds[] = {
        {"FuzzMesh/static", Assets::WriteMesh(Triangle(false))}, {"FuzzMesh/skinned", Assets::WriteMesh(Triangle(true))},
        {"FuzzSkeleton/chain", Assets::WriteSkeleton(kChain)},   {"FuzzAnimation/empty", Assets::WriteAnimation({2.0f, {}})},
        {"FuzzAnimation/tracks", Assets::WriteAnimation(Clip())}, {"FuzzCubeMap/one", Assets::WriteCubeMapDds(Cube(1))},
        {"FuzzCubeMap/four", Assets::WriteCubeMapDds(Cube(4))}};
    for (const auto& [name, bytes] : seeds) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / name;
        std::filesystem::create_directories(path.parent_path());
        std::string error;
        if (!Assets::WriteFileBytes(path.string(), bytes, error)) {
            std::fprintf(stderr, "FuzzSeedCorpus: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
