// One asset reader on arbitrary bytes: the fuzz project builds this file once per reader, which FUZZ_READER names (0
// mesh, 1 skeleton, 2 animation, 3 DDS cube map). Besides not crashing, a reader must give every refusal a reason and
// read a file exactly as it reads the same bytes from memory; a file of our own formats that reads is canonical (it
// writes back to the same bytes). Cube maps from other tools (RGBA order, mip chains, no alpha) are written in our
// one layout, so an accepted cube map need only read back to the same faces once written.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "FormatSamples.h"

namespace {

[[noreturn]] void Violated(const char* what) {
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

template <typename Data>
int Check(const std::uint8_t* data, std::size_t size, bool (*read)(const Assets::Bytes&, Data&, std::string&),
          Assets::FileResult (*readFile)(const std::string&, Data&, std::string&), Assets::Bytes (*write)(const Data&)) {
    static const int file = memfd_create("fuzz-input", 0);  // a file in memory, read through its path
    const Assets::Bytes input(data, data + size);
    std::string error, fileError;
    Data parsed, fromFile, again;
    const bool accepted = read(input, parsed, error);
    const bool fileAccepted = ftruncate(file, 0) == 0 && pwrite(file, data, size, 0) == static_cast<ssize_t>(size) &&
                              readFile("/proc/self/fd/" + std::to_string(file), fromFile, fileError) == Assets::FileResult::Read;
    if (!accepted && error.empty()) Violated("refused without a reason");
    if (fileAccepted != accepted || (accepted ? write(fromFile) != write(parsed) : fileError != error)) {
        Violated("reading a file differs from reading its bytes");
    }
    if constexpr (std::is_same_v<Data, Assets::CubeMapData>) {
        if (accepted && !(read(write(parsed), again, error) && again.faces == parsed.faces)) {
            Violated("an accepted cube map does not survive a write and a read");
        }
    } else if (accepted && write(parsed) != input) {
        Violated("an accepted file does not write back to the same bytes");
    }
    return 0;
}

}  // namespace

// Before fuzzing, the format tests' small valid files of this reader's kind go into each corpus folder named on the
// command line, so that the fuzzer starts from deep inside the format.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    using namespace FormatTest;
    const std::vector<Assets::Bytes> seeds[] = {{Assets::WriteMesh(Triangle(false)), Assets::WriteMesh(Triangle(true))},
                                                {Assets::WriteSkeleton(kChain)},
                                                {Assets::WriteAnimation({2.0f, {}}), Assets::WriteAnimation(Clip())},
                                                {Assets::WriteCubeMapDds(Cube(1)), Assets::WriteCubeMapDds(Cube(4))}};
    for (int i = 1; i < *argc; ++i) {
        for (std::size_t s = 0; std::filesystem::is_directory((*argv)[i]) && s < seeds[FUZZ_READER].size(); ++s) {
            std::string error;
            if (!Assets::WriteFileBytes((*argv)[i] + ("/seed" + std::to_string(s)), seeds[FUZZ_READER][s], error)) Violated(error.c_str());
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    switch (FUZZ_READER) {
    case 0: return Check(data, size, Assets::ReadMesh, Assets::ReadMeshFile, Assets::WriteMesh);
    case 1: return Check(data, size, Assets::ReadSkeleton, Assets::ReadSkeletonFile, Assets::WriteSkeleton);
    case 2: return Check(data, size, Assets::ReadAnimation, Assets::ReadAnimationFile, Assets::WriteAnimation);
    default: return Check(data, size, Assets::ReadCubeMapDds, Assets::ReadCubeMapDdsFile, Assets::WriteCubeMapDds);
    }
}
