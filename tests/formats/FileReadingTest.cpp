// Reading straight from disk: a file's header and counts are checked against its size and the
// limits before its body is read, so a huge file (sparse, so it costs no disk) is refused after a
// few bytes; an allocation that fails is a refusal like any other.
#include <cstdlib>
#include <fstream>
#include <new>

#include "FormatTestSupport.h"

using namespace FormatTest;

namespace {

std::size_t gFailAbove = 0;  // while non-zero, larger allocations fail as on a machine short of memory

std::uint64_t BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value && key != "rchar:") {}
    return value;
}

// The file read by one reader: "read", or the reason it refused.
template <typename Data, Assets::FileResult (*Read)(const std::string&, Data&, std::string&)>
std::string ReadWith(const std::string& path) {
    Data data;
    std::string error;
    return Read(path, data, error) == Assets::FileResult::Read ? "read" : error;
}

}  // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return gFailAbove != 0 && size > gFailAbove ? nullptr : std::malloc(size > 0 ? size : 1);
}
void* operator new(std::size_t size) {
    void* memory = operator new(size, std::nothrow);
    return memory != nullptr ? memory : throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST(FileReading, HugeFilesAreRefusedAfterAFewBytesAndFailedAllocationsAreRefusals) {
    constexpr std::uint64_t MiB = 1 << 20, GiB = MiB << 10;
    const auto mesh = ReadWith<Assets::MeshData, Assets::ReadMeshFile>, dds = ReadWith<Assets::CubeMapData, Assets::ReadCubeMapDdsFile>;
    const auto skeleton = ReadWith<Assets::SkeletonData, Assets::ReadSkeletonFile>;
    const auto clip = ReadWith<Assets::AnimationData, Assets::ReadAnimationFile>;
    const Assets::Bytes sky = Assets::WriteCubeMapDds({128, {}});  // the header of 128-pixel faces
    const struct {
        Assets::Bytes head;
        std::uint64_t size;
        std::string (*read)(const std::string&);
        const char* reason;
        std::size_t failAbove;
    } cases[] = {
        {{}, 4 * GiB, mesh, "holds 4294967296 bytes, more than the 268435456", 0},
        {{}, 40 * GiB, dds, "more than the 268435456", 0},
        {{}, 200 * MiB, mesh, "bad magic: not mesh data (at byte 0)", 0},
        {HandBytes().Text("VMSH").U32(1).U32(0).U32(Assets::kMaxVertices).U32(3).bytes, 200 * MiB, mesh,
         "unexpected bytes after the end of the data (at byte 36000032)", 0},
        {HandBytes().Text("VSKE").U32(1).U32(1).bytes, 200 * MiB, skeleton, "bone name length 0", 0},
        {HandBytes().Text("VANM").U32(1).F32(1).U32(1).U32(0).U32(Assets::kMaxKeys).U32(0).U32(0).bytes, 200 * MiB, clip,
         "increase strictly (0.000000 then 0.000000) (at byte 48)", 0},
        {Assets::WriteCubeMapDds({Assets::kMaxFaceSize, {}}), 200 * MiB, dds, "unexpected bytes", 0},
        {sky, 128 + 6 * 128 * 128 * 4, dds, "read", 0},
        {sky, 128 + 6 * 128 * 128 * 4, dds, "not enough memory", 32 * 1024}};
    for (const auto& c : cases) {
        const std::string path = TemporaryFile(".asset", c.head, c.size);
        const std::uint64_t before = BytesReadSoFar();
        gFailAbove = c.failAbove;
        const std::string result = c.read(path);
        gFailAbove = 0;
        EXPECT_NE(result.find(c.reason), std::string::npos) << result;
        EXPECT_LT(BytesReadSoFar() - before, MiB) << c.reason;
        std::filesystem::remove(path);
    }
}
