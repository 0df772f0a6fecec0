#include <Assets/Formats.h>

#include <cstring>

#include "ByteReader.h"
#include "ByteWriter.h"

namespace Assets {

namespace {

constexpr char kMagic[5] = "VSKE";
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kMaxNameBytes = 255;

// name length, parent, translation, rotation, scale, inverse bind matrix; the name itself follows its length.
constexpr std::uint64_t kFixedBoneBytes = 4 + 4 + 12 + 16 + 12 + 64;
constexpr std::uint64_t kSmallestBoneBytes = kFixedBoneBytes + 1;

bool ReadName(ByteReader& reader, std::string& name) {
    std::uint32_t length = 0;
    if (!reader.U32(length, "bone name length")) {
        return false;
    }
    if (length == 0 || length > kMaxNameBytes) {
        return reader.Fail("bone name length " + std::to_string(length) + " outside 1.." +
                           std::to_string(kMaxNameBytes));
    }
    if (!reader.CountFits(length, 1, "bone name length")) {
        return false;
    }
    name.assign(length, '\0');
    if (!reader.Raw(reinterpret_cast<std::uint8_t*>(&name[0]), length, "bone name")) {
        return false;
    }
    if (std::memchr(name.data(), '\0', name.size()) != nullptr) {
        return reader.Fail("bone name contains a NUL byte");
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
           reader.Vec3(bone.bindPose.scale, "bind scale") && reader.Matrix(bone.inverseBind, "inverse bind matrix");
}

bool ParseSkeleton(ByteReader& reader, SkeletonData& out) {
    std::uint32_t boneCount = 0;
    if (!(reader.Header(kMagic, kVersion, "skeleton") && reader.U32(boneCount, "bone count"))) {
        return false;
    }
    if (boneCount == 0) {
        return reader.Fail("skeleton has no bones");
    }
    if (!reader.CountFits(boneCount, kSmallestBoneBytes, "bone count")) {
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
    ByteReader reader(bytes);
    if (ParseSkeleton(reader, out) && reader.AtEnd()) {
        return true;
    }
    error = reader.Error();
    return false;
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
