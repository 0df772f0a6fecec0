#include <Assets/Formats.h>

#include <algorithm>

#include "ByteWriter.h"
#include "Parsing.h"

namespace Assets {

namespace {

constexpr char kMagic[5] = "VANM";
constexpr std::uint32_t kVersion = 1;

// bone index and the three key counts
constexpr std::uint64_t kTrackHeaderBytes = 16;
// time and value
constexpr std::uint64_t kVector3KeyBytes = 4 + 12;
constexpr std::uint64_t kRotationKeyBytes = 4 + 16;

// Translation and scale keys differ only in the magnitude they may reach.
bool ReadValue(ByteReader& reader, Math::Vector3& value, float limit) { return reader.Vec3(value, "key value", limit); }
bool ReadValue(ByteReader& reader, Math::Quaternion& value, float) { return reader.UnitQuaternion(value, "rotation key"); }
void WriteValue(ByteWriter& writer, const Math::Vector3& value) { writer.Vec3(value); }
void WriteValue(ByteWriter& writer, const Math::Quaternion& value) { writer.Quaternion(value); }

template <typename Key>
bool ReadKeys(ByteReader& reader, std::uint32_t count, const char* field, float limit, std::vector<Key>& keys) {
    keys.assign(count, Key{});
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!reader.Float(keys[i].time, "key time")) {
            return false;
        }
        if (i > 0 && !(keys[i].time > keys[i - 1].time)) {
            return reader.Fail(std::string(field) + ": key times must increase strictly (" +
                               std::to_string(keys[i - 1].time) + " then " + std::to_string(keys[i].time) + ")");
        }
        if (!ReadValue(reader, keys[i].value, limit)) {
            return false;
        }
    }
    return true;
}

// `previous` is the track before, or null for the first track.
bool ReadTrack(ByteReader& reader, const BoneTrack* previous, BoneTrack& track) {
    if (!reader.U32(track.bone, "track bone")) {
        return false;
    }
    // Increasing bone order lets a pose be sampled in one walk over bones and tracks together.
    if (previous != nullptr && track.bone == previous->bone) {
        return reader.Fail("bone " + std::to_string(track.bone) + " has more than one track");
    }
    if (previous != nullptr && track.bone < previous->bone) {
        return reader.Fail("tracks are not in increasing bone order (bone " + std::to_string(track.bone) +
                           " after bone " + std::to_string(previous->bone) + ")");
    }
    // Each count is checked alone against the bytes left; together they are checked as the keys are read.
    std::uint32_t translationCount = 0;
    std::uint32_t rotationCount = 0;
    std::uint32_t scaleCount = 0;
    return reader.Count(translationCount, "translation key count", 0, kMaxKeys, kVector3KeyBytes) &&
           reader.Count(rotationCount, "rotation key count", 0, kMaxKeys, kRotationKeyBytes) &&
           reader.Count(scaleCount, "scale key count", 0, kMaxKeys, kVector3KeyBytes) &&
           ReadKeys(reader, translationCount, "translation keys", kMaxMagnitude, track.translations) &&
           ReadKeys(reader, rotationCount, "rotation keys", 1.0f, track.rotations) &&
           ReadKeys(reader, scaleCount, "scale keys", kMaxScale, track.scales);
}

bool ParseAnimation(ByteReader& reader, AnimationData& out) {
    std::uint32_t trackCount = 0;
    if (!(reader.Header(kMagic, kVersion, "animation") && reader.Float(out.duration, "duration"))) {
        return false;
    }
    if (!(out.duration > 0.0f)) {
        return reader.Fail("duration " + std::to_string(out.duration) + " is not positive");
    }
    if (!reader.Count(trackCount, "track count", 0, kMaxBones, kTrackHeaderBytes)) {
        return false;
    }
    out.tracks.assign(trackCount, BoneTrack{});
    for (std::size_t i = 0; i < out.tracks.size(); ++i) {
        if (!ReadTrack(reader, i > 0 ? &out.tracks[i - 1] : nullptr, out.tracks[i])) {
            return false;
        }
    }
    return true;
}

template <typename Key>
void WriteKeys(ByteWriter& writer, const std::vector<Key>& keys) {
    for (const Key& key : keys) {
        writer.Float(key.time);
        WriteValue(writer, key.value);
    }
}

}  // namespace

bool ReadAnimation(const Bytes& bytes, AnimationData& out, std::string& error) {
    return ParseBytes(bytes, out, error, ParseAnimation);
}

FileResult ReadAnimationFile(const std::string& path, AnimationData& out, std::string& error) {
    return ParseFile(path, out, error, ParseAnimation);
}

Bytes WriteAnimation(const AnimationData& clip) {
    Bytes bytes;
    ByteWriter writer(bytes);
    writer.Header(kMagic, kVersion);
    writer.Float(clip.duration);
    writer.U32(static_cast<std::uint32_t>(clip.tracks.size()));
    std::vector<const BoneTrack*> inBoneOrder;
    for (const BoneTrack& track : clip.tracks) {
        inBoneOrder.push_back(&track);
    }
    std::stable_sort(inBoneOrder.begin(), inBoneOrder.end(),
                     [](const BoneTrack* a, const BoneTrack* b) { return a->bone < b->bone; });
    for (const BoneTrack* trackInOrder : inBoneOrder) {
        const BoneTrack& track = *trackInOrder;
        writer.U32(track.bone);
        writer.U32(static_cast<std::uint32_t>(track.translations.size()));
        writer.U32(static_cast<std::uint32_t>(track.rotations.size()));
        writer.U32(static_cast<std::uint32_t>(track.scales.size()));
        WriteKeys(writer, track.translations);
        WriteKeys(writer, track.rotations);
        WriteKeys(writer, track.scales);
    }
    return bytes;
}

}  // namespace Assets
