#include "ClipSampler.h"

#include <algorithm>
#include <cmath>

#include "Rotations.h"

namespace AssetGen {

namespace {

bool Same(const Math::Vector3& a, const Math::Vector3& b) {
    return std::fabs(a.x - b.x) < 1e-5f && std::fabs(a.y - b.y) < 1e-5f && std::fabs(a.z - b.z) < 1e-5f;
}

bool Same(const Math::Quaternion& a, const Math::Quaternion& b) {
    return std::fabs(std::fabs(Math::Dot(a, b)) - 1.0f) < 1e-7f;
}

}  // namespace

Assets::AnimationData SampleClip(float duration, bool loops, const std::function<BodyPose(float)>& poseAt) {
    const int intervals = std::max(1, static_cast<int>(std::ceil(duration / kKeyStep - 1e-4f)));
    std::vector<float> times;
    std::vector<LocalPoses> samples;
    for (int i = 0; i <= intervals; ++i) {
        const float time = i == intervals ? duration : duration * static_cast<float>(i) / intervals;
        times.push_back(time);
        samples.push_back(loops && i == intervals ? samples.front() : SolvePose(poseAt(time)));
    }

    Assets::AnimationData clip;
    clip.duration = duration;
    for (int bone = 0; bone < BoneCount; ++bone) {
        const Math::VQS bind = LocalBindPose(bone);
        bool translationMoves = false, rotationMoves = false, leavesBind = false;
        for (const LocalPoses& sample : samples) {
            translationMoves |= !Same(sample[bone].translation, samples.front()[bone].translation);
            rotationMoves |= !Same(sample[bone].rotation, samples.front()[bone].rotation);
            leavesBind |= !Same(sample[bone].translation, bind.translation) || !Same(sample[bone].rotation, bind.rotation);
        }
        if (!leavesBind) {
            continue;
        }
        Assets::BoneTrack track;
        track.bone = static_cast<std::uint32_t>(bone);
        const size_t translationKeys = translationMoves ? samples.size() : 1;
        const size_t rotationKeys = rotationMoves ? samples.size() : 1;
        for (size_t i = 0; i < translationKeys; ++i) {
            track.translations.push_back({times[i], samples[i][bone].translation});
        }
        for (size_t i = 0; i < rotationKeys; ++i) {
            Math::Quaternion rotation = samples[i][bone].rotation;
            // Keep neighbouring keys on one hemisphere so every key-to-key step is the short way.
            if (i > 0 && Math::Dot(rotation, track.rotations.back().value) < 0.0f) {
                rotation = -rotation;
            }
            track.rotations.push_back({times[i], rotation});
        }
        if (loops && rotationKeys > 1) {
            track.rotations.back().value = track.rotations.front().value;
        }
        track.scales.push_back({0.0f, Math::Vector3::one});
        clip.tracks.push_back(track);
    }
    return clip;
}

void PoseSequence::Add(float time, const BodyPose& pose) {
    times.push_back(time);
    poses.push_back(pose);
}

namespace {

// Where the ball of a placed foot is. Feet are blended by this point rather than by the ankle, so
// a foot whose ball rests on the floor in two keys keeps it there while the heel lifts or lowers.
Math::Vector3 BallOf(const FootPlacement& foot) {
    return foot.ankle + Math::Rotate(JointRotation(foot.angles), PivotOffset(FootPivot::Ball));
}

// Every value of a pose that interpolation blends, in a fixed order.
std::vector<float> Values(const BodyPose& pose) {
    std::vector<float> values;
    auto add = [&](const Math::Vector3& v) { values.insert(values.end(), {v.x, v.y, v.z}); };
    add(pose.pelvisOffset);
    for (const Math::Vector3& angles : pose.angles) add(angles);
    for (const FootPlacement& foot : pose.feet) {
        add(BallOf(foot));
        add(foot.angles);
        values.push_back(foot.toePitch);
    }
    return values;
}

BodyPose FromValues(const std::vector<float>& values, const BodyPose& like) {
    BodyPose pose = like;
    size_t i = 0;
    auto take = [&](Math::Vector3& v) {
        v = Math::Vector3(values[i], values[i + 1], values[i + 2]);
        i += 3;
    };
    take(pose.pelvisOffset);
    for (Math::Vector3& angles : pose.angles) take(angles);
    for (FootPlacement& foot : pose.feet) {
        Math::Vector3 ball;
        take(ball);
        take(foot.angles);
        foot.toePitch = values[i++];
        foot.ankle = AnkleFromPivot(FootPivot::Ball, ball, foot.angles);
    }
    return pose;
}

// Slope at a key from the slopes of the spans either side: zero at a turning point or a hold,
// otherwise their harmonic mean (which keeps the curve within the keys' range).
float MonotoneSlope(float before, float after) {
    if (before * after <= 0.0f) {
        return 0.0f;
    }
    return 2.0f / (1.0f / before + 1.0f / after);
}

}  // namespace

BodyPose PoseSequence::At(float time) const {
    const int count = static_cast<int>(times.size());
    if (count == 1) {
        return poses.front();
    }
    const bool looping = loopLength > 0.0f;
    if (looping) {
        time = std::fmod(time, loopLength);
        if (time < 0.0f) {
            time += loopLength;
        }
    }
    if (!looping && time >= times.back()) {
        return poses.back();
    }
    // The span [times[i], times[i] + length) that holds `time`; neighbours wrap when looping.
    int i = count - 1;
    while (i > 0 && times[i] > time) {
        --i;
    }
    auto keyTime = [&](int k) {
        if (!looping) {
            return times[std::clamp(k, 0, count - 1)];
        }
        const int wraps = k < 0 ? -1 : k / count;
        return times[((k % count) + count) % count] + static_cast<float>(wraps) * loopLength;
    };
    auto keyValues = [&](int k) {
        return Values(poses[looping ? ((k % count) + count) % count : std::clamp(k, 0, count - 1)]);
    };
    const float start = keyTime(i), end = keyTime(i + 1), length = end - start;
    const float t = std::clamp((time - start) / length, 0.0f, 1.0f);
    const std::vector<float> a = keyValues(i - 1), b = keyValues(i), c = keyValues(i + 1), d = keyValues(i + 2);
    const bool firstSpan = !looping && i == 0, lastSpan = !looping && i + 1 >= count - 1;
    const float before = keyTime(i) - keyTime(i - 1), after = keyTime(i + 2) - keyTime(i + 1);

    const float t2 = t * t, t3 = t2 * t;
    const float h00 = 2.0f * t3 - 3.0f * t2 + 1.0f, h10 = t3 - 2.0f * t2 + t;
    const float h01 = -2.0f * t3 + 3.0f * t2, h11 = t3 - t2;
    std::vector<float> out(b.size());
    for (size_t k = 0; k < b.size(); ++k) {
        const float slope = (c[k] - b[k]) / length;
        const float slopeIn = firstSpan ? 0.0f : MonotoneSlope((b[k] - a[k]) / before, slope);
        const float slopeOut = lastSpan ? 0.0f : MonotoneSlope(slope, (d[k] - c[k]) / after);
        out[k] = h00 * b[k] + h10 * length * slopeIn + h01 * c[k] + h11 * length * slopeOut;
    }
    return FromValues(out, poses[looping ? i % count : i]);
}

}  // namespace AssetGen
