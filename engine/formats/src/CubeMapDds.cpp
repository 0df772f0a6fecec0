#include <Assets/Formats.h>

#include <utility>

#include "ByteWriter.h"
#include "Parsing.h"

namespace Assets {

namespace {

// Field values of the DirectDraw Surface header that a cube map of 32-bit pixels uses.
constexpr char kMagic[5] = "DDS ";
constexpr std::uint32_t kHeaderSize = 124;
constexpr std::uint32_t kPixelFormatSize = 32;

constexpr std::uint32_t kFlagCaps = 0x1;
constexpr std::uint32_t kFlagHeight = 0x2;
constexpr std::uint32_t kFlagWidth = 0x4;
constexpr std::uint32_t kFlagPitch = 0x8;
constexpr std::uint32_t kFlagPixelFormat = 0x1000;
constexpr std::uint32_t kFlagMipMapCount = 0x20000;

constexpr std::uint32_t kPixelAlpha = 0x1;
constexpr std::uint32_t kPixelFourCC = 0x4;
constexpr std::uint32_t kPixelRgb = 0x40;

constexpr std::uint32_t kCapsComplex = 0x8;
constexpr std::uint32_t kCapsTexture = 0x1000;
constexpr std::uint32_t kCaps2CubeMap = 0x200;
constexpr std::uint32_t kCaps2AllFaces = 0xFC00;  // +x, -x, +y, -y, +z, -z
constexpr std::uint32_t kCaps2Volume = 0x200000;

constexpr std::uint32_t kRedLowMask = 0x000000FF;  // RGBA byte order
constexpr std::uint32_t kGreenMask = 0x0000FF00;
constexpr std::uint32_t kRedHighMask = 0x00FF0000;  // BGRA byte order
constexpr std::uint32_t kAlphaMask = 0xFF000000;

// Byte offsets of the header fields that can be refused, magic included.
constexpr std::uint64_t kHeaderSizeAt = 4, kHeightAt = 12, kWidthAt = 16, kPitchAt = 20, kMipCountAt = 28,
                        kPixelFormatSizeAt = 76, kPixelFlagsAt = 80, kFourCCAt = 84, kBitCountAt = 88, kMasksAt = 92,
                        kCaps2At = 112;

struct PixelFormat {
    std::uint32_t size = 0;
    std::uint32_t flags = 0;
    std::uint32_t fourCC = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t masks[4] = {};  // red, green, blue, alpha
};

struct Header {
    std::uint32_t size = 0;
    std::uint32_t flags = 0;
    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::uint32_t pitch = 0;
    std::uint32_t mipCount = 0;
    PixelFormat pixels;
    std::uint32_t caps2 = 0;
};

bool ReadHeader(ByteReader& reader, Header& header) {
    std::uint32_t depth = 0;
    PixelFormat& pf = header.pixels;
    return reader.Magic(kMagic, "DDS") && reader.U32(header.size, "header size") &&
          reader.U32(header.flags, "header flags") && reader.U32(header.height, "height") &&
          reader.U32(header.width, "width") && reader.U32(header.pitch, "pitch") && reader.U32(depth, "depth") &&
          reader.U32(header.mipCount, "mip map count") && reader.Skip(11 * 4, "reserved header words") &&
          reader.U32(pf.size, "pixel format size") && reader.U32(pf.flags, "pixel format flags") &&
          reader.U32(pf.fourCC, "four-character code") && reader.U32(pf.bitCount, "bits per pixel") &&
          reader.U32(pf.masks[0], "red mask") && reader.U32(pf.masks[1], "green mask") &&
          reader.U32(pf.masks[2], "blue mask") && reader.U32(pf.masks[3], "alpha mask") &&
          reader.Skip(4, "caps") && reader.U32(header.caps2, "caps2") &&
          reader.Skip(3 * 4, "reserved caps words");
}

// Whether the pixels are stored red first (RGBA) rather than blue first (BGRA).
bool CheckPixelFormat(ByteReader& reader, const PixelFormat& pf, bool& redFirst, bool& hasAlpha) {
    if (pf.size != kPixelFormatSize) {
        return reader.FailAt(kPixelFormatSizeAt, "pixel format size " + std::to_string(pf.size) + " is not 32");
    }
    if ((pf.flags & kPixelFourCC) != 0) {
        const char code[5] = {static_cast<char>(pf.fourCC), static_cast<char>(pf.fourCC >> 8),
                              static_cast<char>(pf.fourCC >> 16), static_cast<char>(pf.fourCC >> 24), '\0'};
        return reader.FailAt(kFourCCAt, std::string("compressed or extended pixel format '") + code + "' is not supported");
    }
    if ((pf.flags & kPixelRgb) == 0) {
        return reader.FailAt(kPixelFlagsAt, "only uncompressed RGB(A) pixels are supported");
    }
    if (pf.bitCount != 32) {
        return reader.FailAt(kBitCountAt, "only 32-bit pixels are supported, not " + std::to_string(pf.bitCount));
    }
    hasAlpha = (pf.flags & kPixelAlpha) != 0;
    const bool alphaOk = hasAlpha ? pf.masks[3] == kAlphaMask : pf.masks[3] == 0 || pf.masks[3] == kAlphaMask;
    const bool rgba = pf.masks[0] == kRedLowMask && pf.masks[1] == kGreenMask && pf.masks[2] == kRedHighMask;
    const bool bgra = pf.masks[0] == kRedHighMask && pf.masks[1] == kGreenMask && pf.masks[2] == kRedLowMask;
    if (!alphaOk || !(rgba || bgra)) {
        return reader.FailAt(kMasksAt, "pixel masks are neither RGBA8 nor BGRA8");
    }
    redFirst = rgba;
    return true;
}

bool CheckHeader(ByteReader& reader, const Header& header) {
    if (header.size != kHeaderSize) {
        return reader.FailAt(kHeaderSizeAt, "header size " + std::to_string(header.size) + " is not 124");
    }
    if ((header.caps2 & kCaps2CubeMap) == 0) {
        return reader.FailAt(kCaps2At, "not a cube map (the cube-map flag is missing)");
    }
    if ((header.caps2 & kCaps2AllFaces) != kCaps2AllFaces) {
        return reader.FailAt(kCaps2At, "the cube map does not hold all six faces");
    }
    if ((header.caps2 & kCaps2Volume) != 0) {
        return reader.FailAt(kCaps2At, "volume textures are not cube maps");
    }
    if (header.width == 0 || header.width > kMaxFaceSize) {
        return reader.FailAt(kWidthAt, "face size " + std::to_string(header.width) + " outside 1.." +
                                           std::to_string(kMaxFaceSize));
    }
    if (header.height != header.width) {
        return reader.FailAt(kHeightAt, "faces must be square, not " + std::to_string(header.width) + " x " +
                                            std::to_string(header.height));
    }
    if ((header.flags & kFlagPitch) != 0 && header.pitch != header.width * 4) {
        return reader.FailAt(kPitchAt, "row pitch " + std::to_string(header.pitch) + " is not 4 bytes per pixel");
    }
    return true;
}

// Levels stored per face: one unless the header declares a mip chain, never more than a full chain.
bool MipLevels(ByteReader& reader, const Header& header, std::uint32_t& levels) {
    std::uint32_t fullChain = 1;
    for (std::uint32_t size = header.width; size > 1; size /= 2) {
        ++fullChain;
    }
    levels = (header.flags & kFlagMipMapCount) != 0 && header.mipCount > 0 ? header.mipCount : 1;
    if (levels > fullChain) {
        return reader.FailAt(kMipCountAt, "mip map count " + std::to_string(levels) + " exceeds the " +
                                              std::to_string(fullChain) + " levels of a " +
                                              std::to_string(header.width) + "-pixel face");
    }
    return true;
}

bool ReadFaces(ByteReader& reader, std::uint32_t size, std::uint32_t levels, bool redFirst, bool hasAlpha,
               CubeMapData& out) {
    const std::uint64_t topBytes = std::uint64_t{size} * size * 4;
    std::uint64_t smallerBytes = 0;
    for (std::uint32_t level = 1, side = size / 2; level < levels; ++level, side = side > 1 ? side / 2 : 1) {
        smallerBytes += std::uint64_t{side} * side * 4;
    }
    // The face size and mip count give the file's exact size, so a file of any other size is refused unread.
    if (!reader.ExactRest(6 * (topBytes + smallerBytes), kWidthAt)) {
        return false;
    }
    out.size = size;
    for (Bytes& face : out.faces) {
        face.resize(topBytes);
        if (!(reader.Raw(face.data(), face.size(), "face pixels") && reader.Skip(smallerBytes, "mip levels"))) {
            return false;
        }
        for (std::size_t i = 0; i < face.size(); i += 4) {
            if (!redFirst) {
                std::swap(face[i], face[i + 2]);
            }
            if (!hasAlpha) {
                face[i + 3] = 255;
            }
        }
    }
    return true;
}

bool ParseCubeMap(ByteReader& reader, CubeMapData& out) {
    Header header;
    bool redFirst = false;
    bool hasAlpha = false;
    std::uint32_t levels = 1;
    return ReadHeader(reader, header) && CheckHeader(reader, header) &&
           CheckPixelFormat(reader, header.pixels, redFirst, hasAlpha) && MipLevels(reader, header, levels) &&
           ReadFaces(reader, header.width, levels, redFirst, hasAlpha, out);
}

}  // namespace

bool ReadCubeMapDds(const Bytes& bytes, CubeMapData& out, std::string& error) {
    return ParseBytes(bytes, out, error, ParseCubeMap);
}

FileResult ReadCubeMapDdsFile(const std::string& path, CubeMapData& out, std::string& error) {
    return ParseFile(path, out, error, ParseCubeMap);
}

Bytes WriteCubeMapDds(const CubeMapData& cubeMap) {
    Bytes bytes;
    ByteWriter writer(bytes);
    writer.Raw(reinterpret_cast<const std::uint8_t*>(kMagic), 4);
    writer.U32(kHeaderSize);
    writer.U32(kFlagCaps | kFlagHeight | kFlagWidth | kFlagPitch | kFlagPixelFormat);
    writer.U32(cubeMap.size);
    writer.U32(cubeMap.size);
    writer.U32(cubeMap.size * 4);
    writer.U32(0);  // depth
    writer.U32(1);  // mip levels
    for (int i = 0; i < 11; ++i) {
        writer.U32(0);
    }
    // BGRA, the layout every DDS tool understands.
    writer.U32(kPixelFormatSize);
    writer.U32(kPixelRgb | kPixelAlpha);
    writer.U32(0);
    writer.U32(32);
    writer.U32(kRedHighMask);
    writer.U32(kGreenMask);
    writer.U32(kRedLowMask);
    writer.U32(kAlphaMask);
    writer.U32(kCapsTexture | kCapsComplex);
    writer.U32(kCaps2CubeMap | kCaps2AllFaces);
    for (int i = 0; i < 3; ++i) {
        writer.U32(0);
    }
    for (const Bytes& face : cubeMap.faces) {
        for (std::size_t i = 0; i + 3 < face.size(); i += 4) {
            const std::uint8_t bgra[4] = {face[i + 2], face[i + 1], face[i], face[i + 3]};
            writer.Raw(bgra, 4);
        }
    }
    return bytes;
}

}  // namespace Assets
