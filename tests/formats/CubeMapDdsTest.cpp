// Cube maps: standard DDS files that other tools read, our reader accepting the common
// uncompressed variants, and every refusal path.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "FormatTestSupport.h"

using Assets::Bytes;
using Assets::CubeMapData;
using FormatTest::HandBytes;
using FormatTest::PutU32;
using FormatTest::Refuses;

namespace {

// Header field offsets (from the start of the file, magic included).
constexpr std::size_t kFlags = 8;
constexpr std::size_t kHeight = 12;
constexpr std::size_t kWidth = 16;
constexpr std::size_t kPitch = 20;
constexpr std::size_t kMipCount = 28;
constexpr std::size_t kPixelFormatSize = 76;
constexpr std::size_t kPixelFlags = 80;
constexpr std::size_t kFourCC = 84;
constexpr std::size_t kBitCount = 88;
constexpr std::size_t kRedMask = 92;
constexpr std::size_t kBlueMask = 100;
constexpr std::size_t kAlphaMask = 104;
constexpr std::size_t kCaps2 = 112;
constexpr std::size_t kPixels = 128;

// Each face a different colour; the second pixel of each face carries the face number.
CubeMapData Cube(std::uint32_t size) {
    const std::uint8_t colours[6][4] = {{255, 0, 0, 255},   {0, 255, 0, 255},   {0, 0, 255, 255},
                                        {255, 255, 0, 255}, {0, 255, 255, 255}, {255, 0, 255, 128}};
    CubeMapData cube;
    cube.size = size;
    for (int f = 0; f < 6; ++f) {
        for (std::uint32_t p = 0; p < size * size; ++p) {
            cube.faces[f].insert(cube.faces[f].end(), colours[f], colours[f] + 4);
        }
        if (size > 1) {
            Bytes& face = cube.faces[f];
            face.at(4) = static_cast<std::uint8_t>(10 + f);
            face.at(5) = 20;
            face.at(6) = 30;
            face.at(7) = 40;
        }
    }
    return cube;
}

// A DDS header as another tool would write it, built field by field.
HandBytes HandHeader(std::uint32_t size, std::uint32_t flags, std::uint32_t mipCount, std::uint32_t pixelFlags,
                     const std::uint32_t (&masks)[4]) {
    HandBytes h;
    h.Text("DDS ").U32(124).U32(flags).U32(size).U32(size).U32(size * 4).U32(0).U32(mipCount);
    for (int i = 0; i < 11; ++i) {
        h.U32(0);
    }
    h.U32(32).U32(pixelFlags).U32(0).U32(32).U32(masks[0]).U32(masks[1]).U32(masks[2]).U32(masks[3]);
    h.U32(0x1008).U32(0xFE00).U32(0).U32(0).U32(0);
    return h;
}

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    pclose(pipe);
    return output;
}

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("vantor-" + std::to_string(::getpid()) + "-" + name);
}

}  // namespace

// What we write is a standard DDS cube map: ImageMagick reads every face, with its pixels in
// the right channel order.
TEST(DdsInterchange, ImageMagickReadsEveryFaceWithTheWrittenColours) {
    const CubeMapData cube = Cube(2);
    const std::filesystem::path path = TempFile("cube.dds");
    std::string error;
    ASSERT_TRUE(Assets::WriteFileBytes(path.string(), Assets::WriteCubeMapDds(cube), error)) << error;

    const std::string identify = RunCommand("identify '" + path.string() + "' 2>&1");
    EXPECT_NE(identify.find("DDS 2x2"), std::string::npos) << identify;
    for (int f = 0; f < 6; ++f) {
        const std::string text = RunCommand("convert '" + path.string() + "[" + std::to_string(f) + "]' txt:- 2>&1");
        const std::uint8_t* c = cube.faces[f].data();
        std::ostringstream first;
        std::ostringstream second;
        first << "0,0: (" << int(c[0]) << "," << int(c[1]) << "," << int(c[2]) << "," << int(c[3]) << ")";
        second << "1,0: (" << 10 + f << ",20,30,40)";
        EXPECT_NE(text.find(first.str()), std::string::npos) << "face " << f << ":\n" << text;
        EXPECT_NE(text.find(second.str()), std::string::npos) << "face " << f << ":\n" << text;
    }
    std::filesystem::remove(path);
}

// The writer's header carries the documented fields.
TEST(DdsLayout, HeaderMatchesTheDocumentedBytes) {
    const Bytes bytes = Assets::WriteCubeMapDds(Cube(2));
    const Bytes header(bytes.begin(), bytes.begin() + kPixels);
    EXPECT_EQ(header, HandHeader(2, 0x100F, 1, 0x41, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}).bytes);
    ASSERT_EQ(bytes.size(), kPixels + 6 * 2 * 2 * 4);
    // First pixel of +x, stored blue, green, red, alpha.
    EXPECT_EQ(Bytes(bytes.begin() + kPixels, bytes.begin() + kPixels + 4), (Bytes{0, 0, 255, 255}));
}

// Whatever the writer writes, the reader gives back unchanged.
TEST(DdsRoundTrip, FacesComeBackUnchanged) {
    for (std::uint32_t size : {1u, 2u, 5u}) {
        const CubeMapData cube = Cube(size);
        CubeMapData read;
        std::string error;
        ASSERT_TRUE(Assets::ReadCubeMapDds(Assets::WriteCubeMapDds(cube), read, error)) << error;
        EXPECT_EQ(read.size, size);
        for (int f = 0; f < 6; ++f) {
            EXPECT_EQ(read.faces[f], cube.faces[f]) << "size " << size << " face " << f;
        }
    }
}

// Files from other tools: red-first pixels, no alpha channel, and mip chains whose smaller
// levels are skipped.
TEST(DdsVariants, RgbaOrderIsReadWithoutSwapping) {
    HandBytes file = HandHeader(1, 0x1007, 0, 0x41, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000});
    for (int f = 0; f < 6; ++f) {
        file.U8(1).U8(2).U8(static_cast<std::uint8_t>(f)).U8(4);
    }
    CubeMapData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadCubeMapDds(file.bytes, read, error)) << error;
    EXPECT_EQ(read.faces[5], (Bytes{1, 2, 5, 4}));
}

TEST(DdsVariants, MissingAlphaReadsAsOpaque) {
    HandBytes file = HandHeader(1, 0x1007, 0, 0x40, {0x00FF0000, 0x0000FF00, 0x000000FF, 0});
    for (int f = 0; f < 6; ++f) {
        file.U8(3).U8(2).U8(1).U8(0);  // B, G, R, unused
    }
    CubeMapData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadCubeMapDds(file.bytes, read, error)) << error;
    EXPECT_EQ(read.faces[0], (Bytes{1, 2, 3, 255}));
}

TEST(DdsVariants, MipChainKeepsTheTopLevelOfEachFace) {
    // 4x4 faces with three levels (4x4, 2x2, 1x1): 16 + 4 + 1 pixels per face.
    HandBytes file = HandHeader(4, 0x2100F, 3, 0x41, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000});
    for (int f = 0; f < 6; ++f) {
        for (int p = 0; p < 16; ++p) {
            file.U8(0).U8(0).U8(static_cast<std::uint8_t>(f)).U8(255);
        }
        for (int p = 0; p < 5; ++p) {
            file.U8(99).U8(99).U8(99).U8(99);
        }
    }
    CubeMapData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadCubeMapDds(file.bytes, read, error)) << error;
    ASSERT_EQ(read.size, 4u);
    for (int f = 0; f < 6; ++f) {
        ASSERT_EQ(read.faces[f].size(), 64u);
        EXPECT_EQ(read.faces[f][0], f) << "face " << f << " red";
        EXPECT_EQ(read.faces[f][60], f) << "face " << f << " last pixel red";
    }
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(DdsRefusal, EveryTruncationAndTrailingBytes) {
    const Bytes valid = Assets::WriteCubeMapDds(Cube(2));
    FormatTest::ExpectEveryTruncationRefused(Assets::ReadCubeMapDds, valid);
    FormatTest::ExpectTrailingByteRefused(Assets::ReadCubeMapDds, valid);
}

// Only complete cube maps of uncompressed 32-bit pixels in a consistent header are accepted.
TEST(DdsRefusal, HeaderFields) {
    FormatTest::ExpectPatchesRefused(Assets::ReadCubeMapDds, Assets::WriteCubeMapDds(Cube(2)),
                                     {{0, 0x20534458, "bad magic"},
                                      {4, 128, "header size 128"},
                                      {kCaps2, 0, "not a cube map"},
                                      {kCaps2, 0x7E00, "six faces"},  // no -z face
                                      {kCaps2, 0x20FE00, "volume"},
                                      {kHeight, 1, "square"},
                                      {kWidth, 0xFFFFFFFF, "square"},
                                      {kPitch, 12, "row pitch 12"}});
}

TEST(DdsRefusal, OversizedFaces) {
    Bytes bytes = Assets::WriteCubeMapDds(Cube(2));
    for (std::uint32_t size : {0u, 16385u, 0xFFFFFFFFu, 16384u}) {
        PutU32(bytes, kWidth, size);
        PutU32(bytes, kHeight, size);
        PutU32(bytes, kPitch, size * 4);
        EXPECT_TRUE(Refuses(Assets::ReadCubeMapDds, bytes,
                            size == 0 ? "non-empty" : size == 16384 ? "truncated or oversized" : "exceeds 16384"))
            << size;
    }
    bytes = Assets::WriteCubeMapDds(Cube(2));
    PutU32(bytes, kFlags, 0x2100F);
    PutU32(bytes, kMipCount, 3);  // a 2-pixel face has only two levels
    EXPECT_TRUE(Refuses(Assets::ReadCubeMapDds, bytes, "mip map count 3"));
}

TEST(DdsRefusal, UnsupportedPixelFormats) {
    const Bytes valid = Assets::WriteCubeMapDds(Cube(2));
    Bytes compressed = valid;
    PutU32(compressed, kPixelFlags, 0x4);
    PutU32(compressed, kFourCC, 0x31545844);
    EXPECT_TRUE(Refuses(Assets::ReadCubeMapDds, compressed, "'DXT1'"));
    FormatTest::ExpectPatchesRefused(Assets::ReadCubeMapDds, valid,
                                     {{kPixelFlags, 0x20000, "uncompressed RGB"},  // luminance
                                      {kBitCount, 24, "not 24"},
                                      {kPixelFormatSize, 24, "pixel format size 24"},
                                      {kRedMask, 0x0000FF00, "neither RGBA8 nor BGRA8"},
                                      {kBlueMask, 0x00FF0000, "neither RGBA8 nor BGRA8"},  // red and blue alike
                                      {kAlphaMask, 0, "neither RGBA8 nor BGRA8"}});  // alpha flag, no alpha
}
