// Writes a seed corpus for each reader's fuzzer: the small valid files of the format tests, so the
// fuzzers start from deep inside each format. Usage: FuzzSeedCorpus <dir>; makes <dir>/mesh,
// <dir>/skeleton, <dir>/animation and <dir>/dds.
#include <cstdio>
#include <filesystem>
#include <string>

#include "FormatSamples.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    using namespace FormatTest;
    const std::filesystem::path root = argv[1];
    const std::pair<const char*, Assets::Bytes> seeds[] = {
        {"mesh/static", Assets::WriteMesh(Triangle(false))}, {"mesh/skinned", Assets::WriteMesh(Triangle(true))},
        {"skeleton/chain", Assets::WriteSkeleton(kChain)},   {"animation/empty", Assets::WriteAnimation({2.0f, {}})},
        {"animation/tracks", Assets::WriteAnimation(Clip())}, {"dds/one", Assets::WriteCubeMapDds(Cube(1))},
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
