#include <Assets/Formats.h>

#include <algorithm>

#include "ByteReader.h"
#include "ByteWriter.h"

namespace Assets {

namespace {

constexpr char kMagic[5] = "VANM";
constexpr std::uint32_t kVersion = 1;

// bone index and the three key counts
constexpr std::uint64_t kTrackHeaderBytes = 16;
// time and value
constexpr std::uint64_t kVector3KeyBytes = 4 + 12;
constexpr std::uint64_t kRotationKeyBytes = 4 + 16;

bool ReadValue(ByteReader& reader, Math::Vector3& value) { return reader.Vec3(value, "key value"); }
bool ReadValue(ByteReader& reader, Math::Quaternion& value) { return reader.UnitQuaternion(value, "rotation key"); }
void WriteValue(ByteWriter& writer, const Math::Vector3& value) { writer.Vec3(value); }
void WriteValue(ByteWriter& writer, const Math::Quaternion& value) { writer.Quaternion(value); }

template <typename Key>
bool ReadKeys(ByteReader& reader, std::uint32_t count, std::uint64_t keyBytes, const char* field,
              std::vector<Key>& keys) {
    if (!reader.CountFits(count, keyBytes, field)) {
        return false;
    }
    keys.assign(count, Key{});
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!reader.Float(keys[i].time, "key time")) {
            return false;
        }
        if (i > 0 && !(keys[i].time > keys[i - 1].time)) {
            return reader.Fail(std::string(field) + ": key times must increase strictly (" +
                               std::to_string(keys[i - 1].time) + " then " + std::to_string(keys[i].time) + ")");
        }
        if (!ReadValue(reader, keys[i].value)) {
            return false;
        }
    }
    return true;
}

bool ReadTrack(ByteReader& reader, BoneTrack& track) {
    std::uint32_t translationCount = 0;
    std::uint32_t rotationCount = 0;
    std::uint32_t scaleCount = 0;
    return reader.U32(track.bone, "track bone") && reader.U32(translationCount, "translation key count") &&
           reader.U32(rotationCount, "rotation key count") && reader.U32(scaleCount, "scale key count") &&
           ReadKeys(reader, translationCount, kVector3KeyBytes, "translation key count", track.translations) &&
           ReadKeys(reader, rotationCount, kRotationKeyBytes, "rotation key count", track.rotations) &&
           ReadKeys(reader, scaleCount, kVector3KeyBytes, "scale key count", track.scales);
}

bool ParseAnimation(ByteReader& reader, AnimationData& out) {
    std::uint32_t trackCount = 0;
    if (!(reader.Header(kMagic, kVersion, "animation") && reader.Float(out.duration, "duration"))) {
        return false;
    }
    if (!(out.duration > 0.0f)) {
        return reader.Fail("duration " + std::to_string(out.duration) + " is not positive");
    }
    if (!(reader.U32(trackCount, "track count") && reader.CountFits(trackCount, kTrackHeaderBytes, "track count"))) {
        return false;
    }
    out.tracks.assign(trackCount, BoneTrack{});
    for (std::size_t i = 0; i < out.tracks.size(); ++i) {
        if (!ReadTrack(reader, out.tracks[i])) {
            return false;
        }
        // Increasing bone order lets a pose be sampled in one walk over bones and tracks together.
        if (i > 0 && out.tracks[i].bone == out.tracks[i - 1].bone) {
            return reader.Fail("bone " + std::to_string(out.tracks[i].bone) + " has more than one track");
        }
        if (i > 0 && out.tracks[i].bone < out.tracks[i - 1].bone) {
            return reader.Fail("tracks are not in increasing bone order (bone " +
                               std::to_string(out.tracks[i].bone) + " after bone " +
                               std::to_string(out.tracks[i - 1].bone) + ")");
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
    ByteReader reader(bytes);
    if (ParseAnimation(reader, out) && reader.AtEnd()) {
        return true;
    }
    error = reader.Error();
    return false;
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
