// The asset formats of docs/formats.md. Our own (.mesh, .ske, .anim): the writer produces exactly the documented
// bytes, what it wrote reads back unchanged, a file of the wrong length is refused. DDS cube maps: standard files
// that other tools read, the common uncompressed variants accepted. Every refusal: counts are checked against the
// limits and the bytes left before any allocation, and each message points at the field at fault. Reading from disk:
// a file's header and counts are checked against its size and the limits before its body is read, so a huge file
// (sparse, so it costs no disk) is refused after a few bytes; an allocation that fails is a refusal like any other.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <vector>

#include "FormatSamples.h"

using namespace FormatTest;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN(), kInfinity = std::numeric_limits<float>::infinity();

std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return bits;
}

// Appends little-endian fields, so expected files can be written out field by field.
struct HandBytes {
    Assets::Bytes bytes;
    HandBytes& U8(std::uint8_t value) { bytes.push_back(value); return *this; }
    HandBytes& Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) U8(static_cast<std::uint8_t>(*c));
        return *this;
    }
    HandBytes& U32(std::uint32_t value) { return U8(value & 0xFF).U8(value >> 8 & 0xFF).U8(value >> 16 & 0xFF).U8(value >> 24); }
    HandBytes& F32(float value) { return U32(Bits(value)); }
};

// A file in the temporary folder holding `head`, then a hole (no disk used) up to `size` bytes.
std::string TemporaryFile(const std::string& name, const Assets::Bytes& head, std::uint64_t size) {
    const std::string path = (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + name)).string();
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, head, error)) << error;
    std::filesystem::resize_file(path, size);
    return path;
}

template <typename Data> using Reader = bool (*)(const Assets::Bytes&, Data&, std::string&);

// The reader must refuse `bytes` with a message containing `reason` and (unless `at` is SIZE_MAX) byte `at`.
template <typename Data>
::testing::AssertionResult Refuses(Reader<Data> read, const Assets::Bytes& bytes, const std::string& reason, std::size_t at = SIZE_MAX) {
    Data data;
    std::string error;
    if (read(bytes, data, error)) return ::testing::AssertionFailure() << "accepted; expected '" << reason << "'";
    const bool placed = at == SIZE_MAX || error.find("(at byte " + std::to_string(at) + ")") != std::string::npos;
    return ::testing::AssertionResult(placed && error.find(reason) != std::string::npos) << "refused with '" << error << "'";
}

// 32-bit fields of a valid file overwritten (at `offset` and any `more`), the reason the reader must give and the
// byte its message must point at (by default the field at `offset`).
struct Patch {
    std::size_t offset;
    std::uint32_t value;
    const char* reason;
    std::size_t at = SIZE_MAX;
    std::vector<std::pair<std::size_t, std::uint32_t>> more = {};
};

template <typename Data>
void ExpectPatchesRefused(Reader<Data> read, const Assets::Bytes& valid, std::initializer_list<Patch> patches) {
    for (Patch patch : patches) {
        Assets::Bytes bytes = valid;
        patch.more.emplace_back(patch.offset, patch.value);
        for (const auto& [offset, value] : patch.more) {
            for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        }
        EXPECT_TRUE(Refuses(read, bytes, patch.reason, patch.at == SIZE_MAX ? patch.offset : patch.at))
            << "value " << patch.value << " at byte " << patch.offset;
    }
}

// What the writer wrote reads back and writes again to the same bytes (with the writer checked against hand-laid
// bytes, this checks every field read); every proper prefix is refused as truncated and one byte more as unexpected.
template <typename Data>
void ExpectRoundTripAndExactLength(Reader<Data> read, Assets::Bytes (*write)(const Data&), const Data& original) {
    const Assets::Bytes valid = write(original);
    Data data;
    std::string error;
    ASSERT_TRUE(read(valid, data, error)) << error;
    EXPECT_EQ(write(data), valid);
    for (std::size_t length = 0; length < valid.size(); ++length) {
        ASSERT_TRUE(Refuses(read, Assets::Bytes(valid.begin(), valid.begin() + length), "truncated")) << "prefix of " << length << " bytes";
    }
    Assets::Bytes longer = valid;
    longer.push_back(0);
    EXPECT_TRUE(Refuses(read, longer, "unexpected bytes"));
}

// Header field offsets (from the start of the file, magic included).
constexpr std::size_t kFlags = 8, kHeight = 12, kWidth = 16, kPitch = 20, kMipCount = 28, kPixelFormatSize = 76,
                      kPixelFlags = 80, kFourCC = 84, kBitCount = 88, kRedMask = 92, kBlueMask = 100,
                      kAlphaMask = 104, kCaps2 = 112, kPixels = 128;
constexpr std::uint32_t kBgra[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};

// A DDS header as another tool would write it, built field by field.
HandBytes Header(std::uint32_t size, std::uint32_t flags, std::uint32_t mips, std::uint32_t pixelFlags,
                 const std::uint32_t (&masks)[4]) {
    HandBytes h;
    h.Text("DDS ").U32(124).U32(flags).U32(size).U32(size).U32(size * 4).U32(0).U32(mips);
    for (int i = 0; i < 11; ++i) h.U32(0);
    h.U32(32).U32(pixelFlags).U32(0).U32(32).U32(masks[0]).U32(masks[1]).U32(masks[2]).U32(masks[3]);
    h.U32(0x1008).U32(0xFE00).U32(0).U32(0).U32(0);
    return h;
}

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

constexpr std::size_t kFirstVertex = 20;

// Static and skinned; a static mesh reads with the default influences.
TEST(MeshFormat, LayoutRoundTripAndExactLength) {
    for (bool skinned : {false, true}) {
        const Assets::MeshData mesh = Triangle(skinned);
        HandBytes expected;
        expected.Text("VMSH").U32(1).U32(skinned ? 1 : 0).U32(3).U32(3);
        for (const Assets::MeshVertex& v : mesh.vertices) {
            expected.F32(v.position.x).F32(v.position.y).F32(0).F32(0).F32(0).F32(1).F32(v.uv.x).F32(v.uv.y);
            expected.U8(10).U8(20).U8(30).U8(255);
            for (int k = 0; skinned && k < 4; ++k) expected.U8(v.boneIndices[k]);
            for (int k = 0; skinned && k < 4; ++k) expected.F32(v.boneWeights[k]);
        }
        expected.U32(0).U32(1).U32(2);
        EXPECT_EQ(Assets::WriteMesh(mesh), expected.bytes) << (skinned ? "skinned" : "static");
        ExpectRoundTripAndExactLength(Assets::ReadMesh, Assets::WriteMesh, mesh);
    }
    Assets::MeshData read;
    std::string error;
    EXPECT_TRUE(Assets::ReadMesh(Assets::WriteMesh(Triangle(false)), read, error) && read.vertices[2].boneWeights == (std::array<float, 4>{1, 0, 0, 0})) << error;
}

// Bad header fields and counts, indices past the vertices, floats that are not finite or too large, and skin weights
// out of range or not summing to 1.
TEST(MeshFormat, EveryRefusal) {
    const Assets::Bytes flat = Assets::WriteMesh(Triangle(false));
    ExpectPatchesRefused(Assets::ReadMesh, flat,
                         {{0, 0x48534D58, "bad magic"}, {4, 2, "version 2"}, {8, 2, "unknown mesh flags"},
                          {12, 0, "vertex count 0 outside 1..1000000"}, {16, 0, "index count 0 outside 3..3000000"},
                          {16, 4, "multiple of 3"}, {12, 1000001, "vertex count 1000001 outside"},
                          {16, 3000003, "index count 3000003 outside"}, {12, 4, "truncated"},
                          {12, 2, "36 unexpected bytes", kFirstVertex + 2 * 36 + 3 * 4},
                          {flat.size() - 4, 3, "index 3 is not below the vertex count 3"}});
    for (std::size_t f = kFirstVertex + 36; f < kFirstVertex + 68; f += 4) {  // position, normal and uv of the second vertex
        ExpectPatchesRefused(Assets::ReadMesh, flat, {{f, Bits(kNaN), "not a finite number"}, {f, Bits(-1.01e5f), "exceeds"}});
    }
    const std::size_t weights = kFirstVertex + 56 + 40;  // second skinned vertex: 0.25, 0.75
    ExpectPatchesRefused(Assets::ReadMesh, Assets::WriteMesh(Triangle(true)),
                         {{weights, Bits(-0.25f), "outside [0, 1]"}, {weights + 4, Bits(1.25f), "outside [0, 1]"},
                          {weights, Bits(0.5f), "instead of 1"}, {weights + 4, Bits(0.0f), "instead of 1", weights},
                          {weights, Bits(-kInfinity), "not a finite number"}});
}

constexpr std::size_t kFirstBone = 12;
constexpr std::size_t kHipsParent = kFirstBone + 4 + 4;
constexpr std::size_t kSpineParent = kHipsParent + 108 + 4 + 5;
constexpr std::size_t kHandParent = kSpineParent + 108 + 4 + 6;

// Several roots, the longest name, names beyond ASCII and the largest scales read back unchanged.
TEST(SkeletonFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VSKE").U32(1).U32(1).U32(4).Text("Root").U32(0xFFFFFFFF);
    expected.F32(1).F32(2).F32(-3).F32(0).F32(0.6f).F32(0).F32(0.8f).F32(1).F32(1.5f).F32(2);
    for (int i = 0; i < 16; ++i) expected.F32(static_cast<float>(i) + 1.0f);
    EXPECT_EQ(Assets::WriteSkeleton(Assets::SkeletonData{{Bone("Root", -1, 1.0f)}}), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, kChain);
    Assets::SkeletonData forest{{Bone(std::string(255, 'n'), -1, 0), Bone("R\xC3\xBC" "cken \xF0\x9F\xA6\xB4", -1, 0), Bone("Leaf", 1, 0)}};
    forest.bones[2].bindPose.scale = Math::Vector3(Assets::kMaxScale, -Assets::kMaxScale, 1e-3f);
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, forest);
}

// Bad header fields and names (UTF-8 only), a parent that is not an earlier bone (one pass over the bones must build
// the hierarchy), floats that are not finite or too large, and rotations that are not unit quaternions.
TEST(SkeletonFormat, EveryRefusal) {
    const Assets::Bytes valid = Assets::WriteSkeleton(kChain);
    ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                         {{0, 0x454B5357, "bad magic"}, {4, 0, "version 0"}, {8, 0, "bone count 0 outside 1..1024"},
                          {8, 1025, "bone count 1025 outside"}, {8, 1024, "truncated or oversized"},
                          {kFirstBone, 0, "name length 0"}, {kFirstBone, 256, "name length 256"},
                          {kFirstBone + 4, 0x73700048, "NUL"},        // "H\0ps"
                          {kFirstBone + 4, 0x7370FF48, "not UTF-8"},  // a byte no UTF-8 text holds
                          {kFirstBone + 4, 0x7370C348, "not UTF-8"},  // a sequence cut short
                          {kFirstBone + 4, 0x80A0ED48, "not UTF-8"},  // a surrogate
                          {kHipsParent, 0, "earlier bone"}, {kSpineParent, 1, "earlier bone"},
                          {kSpineParent, 2, "earlier bone"}, {kHandParent, 0xFFFFFFFE, "earlier bone"},
                          {kSpineParent + 28, Bits(0.9f), "not a unit quaternion", kSpineParent + 16},  // |(0, 0.6, 0, 0.9)|
                          {kSpineParent + 4, Bits(3e38f), "bind translation 3e+38 exceeds the limit of 100000"},
                          {kSpineParent + 40, Bits(-1001.0f), "bind scale -1001 exceeds the limit of 1000"}});
    for (std::size_t f = kSpineParent + 4; f < kSpineParent + 108; f += 4) {  // translation, rotation, scale, inverse bind
        ExpectPatchesRefused(Assets::ReadSkeleton, valid, {{f, Bits(kNaN), "not a finite"}});
    }
}

// Offsets inside Clip()'s file.
constexpr std::size_t kEmptyTrack = 16;
constexpr std::size_t kKeyedTrack = kEmptyTrack + 16;
constexpr std::size_t kTranslationKeys = kKeyedTrack + 16;
constexpr std::size_t kRotationKeys = kTranslationKeys + 2 * 16;
constexpr std::size_t kScaleKeys = kRotationKeys + 3 * 20;

// Tracks are written in bone order whatever order they come in; clips with and without tracks read back unchanged.
TEST(AnimationFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VANM").U32(1).F32(1.5f).U32(2).U32(0).U32(0).U32(0).U32(0).U32(2).U32(2).U32(3).U32(1);
    expected.F32(0).F32(1).F32(2).F32(3).F32(1.5f).F32(4).F32(5).F32(6);
    expected.F32(0).F32(0).F32(0).F32(0).F32(1).F32(0.5f).F32(0.6f).F32(0).F32(0).F32(0.8f);
    expected.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0.25f).F32(2).F32(1000).F32(-1000);
    EXPECT_EQ(Assets::WriteAnimation(Clip()), expected.bytes);
    Assets::AnimationData reversed = Clip();
    std::swap(reversed.tracks[0], reversed.tracks[1]);
    EXPECT_EQ(Assets::WriteAnimation(reversed), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Clip());
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Assets::AnimationData{2.0f, {}});
}

// Bad header fields and counts, keys or tracks out of order (sampling walks them in order), and key values that are
// not finite, too large or not unit rotations.
TEST(AnimationFormat, EveryRefusal) {
    ExpectPatchesRefused(Assets::ReadAnimation, Assets::WriteAnimation(Clip()),
                         {{0, 0x4D4E4158, "bad magic"}, {4, 1000, "version 1000"}, {8, Bits(0.0f), "not positive"},
                          {8, Bits(-1.0f), "not positive"}, {8, Bits(kInfinity), "duration is not a finite"},
                          {8, Bits(1.01e5f), "duration 101000 exceeds the limit of 100000"},
                          {12, 1025, "track count 1025 outside 0..1024"},
                          {kKeyedTrack + 4, 100001, "translation key count 100001 outside"},
                          {kKeyedTrack + 12, 100001, "scale key count 100001 outside"},
                          {kKeyedTrack + 8, 100000, "truncated or oversized: rotation key count"},
                          {kTranslationKeys + 16, Bits(0.0f), "increase strictly"},  // equal to the first key
                          {kRotationKeys + 40, Bits(0.25f), "increase strictly"},    // third before second
                          {kRotationKeys + 20, Bits(kNaN), "key time is not a finite number"},
                          {kTranslationKeys + 16, Bits(1.01e5f), "key time 101000 exceeds"},
                          {kEmptyTrack, 2, "bone 2 has more than one track", kKeyedTrack},
                          {kEmptyTrack, 3, "not in increasing bone order (bone 2 after bone 3)", kKeyedTrack},
                          {kTranslationKeys + 8, Bits(kNaN), "not a finite number"},
                          {kTranslationKeys + 4, Bits(3e38f), "key value 3e+38 exceeds the limit of 100000"},
                          {kScaleKeys + 12, Bits(-kInfinity), "not a finite"},
                          {kScaleKeys + 4, Bits(1001.0f), "key value 1001 exceeds the limit of 1000"},
                          {kRotationKeys + 36, Bits(0.0f), "not a unit quaternion", kRotationKeys + 24}});  // (0.6, 0, 0, 0)
}

// What we write is a standard DDS cube map: ImageMagick reads every face, in order, each pixel in the right channel
// order. The header carries the documented fields, pixels stored blue first.
TEST(CubeMapDds, OtherToolsReadWhatWeWrite) {
    const Assets::Bytes bytes = Assets::WriteCubeMapDds(Cube(2));
    EXPECT_EQ(Assets::Bytes(bytes.begin(), bytes.begin() + kPixels), Header(2, 0x100F, 1, 0x41, kBgra).bytes);
    EXPECT_EQ(Assets::Bytes(bytes.begin() + kPixels, bytes.begin() + kPixels + 4), (Assets::Bytes{7, 255, 0, 200}));
    const std::string path = TemporaryFile(".dds", bytes, bytes.size());
    ASSERT_EQ(std::system(("convert '" + path + "' rgba:'" + path + ".rgba'").c_str()), 0);
    Assets::Bytes pixels, expected;
    std::string error;
    ASSERT_TRUE(Assets::ReadFileBytes(path + ".rgba", pixels, error)) << error;
    for (const Assets::Bytes& face : Cube(2).faces) expected.insert(expected.end(), face.begin(), face.end());
    EXPECT_EQ(pixels, expected);
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".rgba");
}

// Files from other tools: red-first pixels, no alpha channel, and mip chains whose smaller levels are skipped (faces
// 0 to 4 and the smaller levels hold 99s). Our own files read back unchanged.
TEST(CubeMapDds, ReadsOtherToolsVariantsAndOurOwnFiles) {
    const struct {
        HandBytes file;
        int top, smaller;                // pixels per face in the top level and in the smaller ones
        Assets::Bytes stored, expected;  // each pixel of the last face's top level
    } variants[] = {{Header(1, 0x1007, 0, 0x41, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), 1, 0, {1, 2, 3, 4}, {1, 2, 3, 4}},
                    {Header(1, 0x1007, 0, 0x40, {0xFF0000, 0xFF00, 0xFF, 0}), 1, 0, {3, 2, 1, 0}, {1, 2, 3, 255}},
                    {Header(4, 0x2100F, 3, 0x41, kBgra), 16, 4 + 1, {3, 2, 1, 4}, {1, 2, 3, 4}}};
    for (const auto& variant : variants) {
        Assets::Bytes file = variant.file.bytes, expected;
        file.resize(file.size() + 5 * 4 * (variant.top + variant.smaller), 99);
        for (int p = 0; p < variant.top; ++p) {
            file.insert(file.end(), variant.stored.begin(), variant.stored.end());
            expected.insert(expected.end(), variant.expected.begin(), variant.expected.end());
        }
        file.resize(file.size() + 4 * variant.smaller, 99);
        Assets::CubeMapData read;
        std::string error;
        ASSERT_TRUE(Assets::ReadCubeMapDds(file, read, error)) << error;
        EXPECT_EQ(read.faces[5], expected);
    }
    for (std::uint32_t size : {1u, 2u, 5u}) ExpectRoundTripAndExactLength(Assets::ReadCubeMapDds, Assets::WriteCubeMapDds, Cube(size));
}

// Only complete cube maps of uncompressed 32-bit pixels, of a size within the limit, in a consistent header; each
// message points at the field at fault.
TEST(CubeMapDds, EveryRefusal) {
    ExpectPatchesRefused(Assets::ReadCubeMapDds, Assets::WriteCubeMapDds(Cube(2)),
                         {{0, 0x20534458, "bad magic"}, {4, 128, "header size 128"}, {kCaps2, 0, "not a cube map"},
                          {kCaps2, 0x7E00, "six faces"},  // no -z face
                          {kCaps2, 0x20FE00, "volume"}, {kHeight, 1, "square"}, {kPitch, 12, "row pitch 12"},
                          {kPixelFlags, 0x20000, "uncompressed RGB"},  // luminance
                          {kBitCount, 24, "not 24"}, {kPixelFormatSize, 24, "pixel format size 24"},
                          {kRedMask, 0x0000FF00, "neither RGBA8 nor BGRA8"},
                          {kBlueMask, 0x00FF0000, "neither RGBA8 nor BGRA8", kRedMask},  // red and blue alike
                          {kAlphaMask, 0, "neither RGBA8 nor BGRA8", kRedMask},          // alpha flag, no alpha
                          {kPixelFlags, 0x4, "'DXT1'", kFourCC, {{kFourCC, 0x31545844}}},
                          {kWidth, 0, "face size 0 outside", kWidth, {{kHeight, 0}, {kPitch, 0}}},
                          {kWidth, 2049, "face size 2049 outside 1..2048", kWidth, {{kHeight, 2049}, {kPitch, 2049 * 4}}},
                          {kWidth, 2048, "truncated", kWidth, {{kHeight, 2048}, {kPitch, 2048 * 4}}},
                          {kFlags, 0x2100F, "mip map count 3", kMipCount, {{kMipCount, 3}}}});  // 2 pixels: 2 levels
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return gFailAbove != 0 && size > gFailAbove ? nullptr : std::malloc(size > 0 ? size : 1);
}
void* operator new(std::size_t size) {
    void* memory = operator new(size, std::nothrow);
    return memory != nullptr ? memory : throw std::bad_alloc();
}
// Kept out of line, so that the compiler does not pair a free() seen through them with a new.
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

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
