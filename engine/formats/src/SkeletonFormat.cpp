#include <Assets/Formats.h>

#include <cstring>

#include "ByteWriter.h"
#include "Parsing.h"

namespace Assets {

namespace {

constexpr char kMagic[5] = "VSKE";
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kMaxNameBytes = 255;

// name length, parent, translation, rotation, scale, inverse bind matrix; the name itself follows its length.
constexpr std::uint64_t kFixedBoneBytes = 4 + 4 + 12 + 16 + 12 + 64;
constexpr std::uint64_t kSmallestBoneBytes = kFixedBoneBytes + 1;

// Well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or code points past U+10FFFF.
bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool ReadName(ByteReader& reader, std::string& name) {
    std::uint32_t length = 0;
    if (!reader.Count(length, "bone name length", 1, kMaxNameBytes)) {
        return false;
    }
    name.assign(length, '\0');
    if (!reader.Raw(reinterpret_cast<std::uint8_t*>(&name[0]), length, "bone name")) {
        return false;
    }
    if (std::memchr(name.data(), '\0', name.size()) != nullptr) {
        return reader.Fail("bone name contains a NUL byte");
    }
    if (!IsUtf8(name)) {
        return reader.Fail("bone name is not UTF-8");
    }
    return true;
}

bool ReadBone(ByteReader& reader, std::int32_t index, BoneData& bone) {
    if (!(ReadName(reader, bone.name) && reader.I32(bone.parent, "bone parent"))) {
        return false;
    }
    if (bone.parent < -1 || bone.parent >= index) {
        return reader.Fail("bone " + std::to_string(index) + " has parent " + std::to_string(bone.parent) +
                           "; a parent must be an earlier bone or -1");
    }
    return reader.Vec3(bone.bindPose.translation, "bind translation") &&
           reader.UnitQuaternion(bone.bindPose.rotation, "bind rotation") &&
           reader.Vec3(bone.bindPose.scale, "bind scale", kMaxScale) &&
           reader.Matrix(bone.inverseBind, "inverse bind matrix");
}

bool ParseSkeleton(ByteReader& reader, SkeletonData& out) {
    std::uint32_t boneCount = 0;
    if (!(reader.Header(kMagic, kVersion, "skeleton") &&
          reader.Count(boneCount, "bone count", 1, kMaxBones, kSmallestBoneBytes))) {
        return false;
    }
    out.bones.assign(boneCount, BoneData{});
    for (std::uint32_t i = 0; i < boneCount; ++i) {
        if (!ReadBone(reader, static_cast<std::int32_t>(i), out.bones[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReadSkeleton(const Bytes& bytes, SkeletonData& out, std::string& error) {
    return ParseBytes(bytes, out, error, ParseSkeleton);
}

FileResult ReadSkeletonFile(const std::string& path, SkeletonData& out, std::string& error) {
    return ParseFile(path, out, error, ParseSkeleton);
}

Bytes WriteSkeleton(const SkeletonData& skeleton) {
    Bytes bytes;
    ByteWriter writer(bytes);
    writer.Header(kMagic, kVersion);
    writer.U32(static_cast<std::uint32_t>(skeleton.bones.size()));
    for (const BoneData& bone : skeleton.bones) {
        writer.U32(static_cast<std::uint32_t>(bone.name.size()));
        writer.Raw(reinterpret_cast<const std::uint8_t*>(bone.name.data()), bone.name.size());
        writer.I32(bone.parent);
        writer.Vec3(bone.bindPose.translation);
        writer.Quaternion(bone.bindPose.rotation);
        writer.Vec3(bone.bindPose.scale);
        writer.Matrix(bone.inverseBind);
    }
    return bytes;
}

}  // namespace Assets
