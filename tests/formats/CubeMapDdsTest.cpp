// Cube maps: standard DDS files that other tools read, our reader accepting the common
// uncompressed variants, and every refusal path.
#include <cstdlib>

#include "FormatTestSupport.h"

using namespace FormatTest;

namespace {

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

}  // namespace

// What we write is a standard DDS cube map: ImageMagick reads every face, in order, with its pixels
// in the right channel order. The header carries the documented fields, pixels stored blue first.
TEST(CubeMapDds, OtherToolsReadWhatWeWrite) {
    const Assets::Bytes bytes = Assets::WriteCubeMapDds(Cube(2));
    EXPECT_EQ(Assets::Bytes(bytes.begin(), bytes.begin() + kPixels), Header(2, 0x100F, 1, 0x41, kBgra).bytes);
    EXPECT_EQ(Assets::Bytes(bytes.begin() + kPixels, bytes.begin() + kPixels + 4), (Assets::Bytes{7, 255, 0, 200}));
    const std::string path = TemporaryFile(".dds", bytes, bytes.size());
    ASSERT_EQ(std::system(("convert '" + path + "' txt:- > '" + path + ".txt'").c_str()), 0);
    Assets::Bytes listing;
    std::string error;
    ASSERT_TRUE(Assets::ReadFileBytes(path + ".txt", listing, error)) << error;
    const std::string text(listing.begin(), listing.end());
    std::size_t at = 0;
    for (int f = 0; f < 6; ++f) {
        for (const std::string& pixel : {"0,0: (" + std::to_string(40 * f) + "," + std::to_string(255 - 40 * f) + ",7,200)",
                                         "1,0: (" + std::to_string(10 + f) + ",20,30,40)"}) {
            at = text.find(pixel, at);
            ASSERT_NE(at, std::string::npos) << "face " << f << ": no " << pixel << " in\n" << text;
        }
    }
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".txt");
}

// Files from other tools: red-first pixels, no alpha channel, and mip chains whose smaller levels
// are skipped (faces 0 to 4 and the smaller levels hold 99s). Our own files read back unchanged.
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

// Only complete cube maps of uncompressed 32-bit pixels, of a size within the limit, in a
// consistent header; each message points at the field at fault.
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
