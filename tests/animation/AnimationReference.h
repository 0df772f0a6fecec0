#pragma once
// The exact pose maths (glm in double), conversions to glm and builders for skeletons and clips,
// for tests that hold animation data to an independent reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <Assets/Formats.h>

namespace AnimationReference {

inline glm::vec3 ToGlm(const Math::Vector3& v) { return {v.x, v.y, v.z}; }
inline glm::dvec3 Exact(const Math::Vector3& v) { return {v.x, v.y, v.z}; }
inline glm::dquat Exact(const Math::Quaternion& q) { return glm::dquat(q.s, q.v.x, q.v.y, q.v.z); }
inline Math::Quaternion FromGlm(const glm::quat& q) { return Math::Quaternion(Math::Vector3(q.x, q.y, q.z), q.w); }
inline glm::quat AxisAngle(float radians, const glm::vec3& axis) { return glm::angleAxis(radians, axis); }
inline Math::VQS Pose(const Math::Vector3& t, const glm::quat& r = {1, 0, 0, 0},
                      const Math::Vector3& s = Math::Vector3(1, 1, 1)) {
    return Math::VQS{t, FromGlm(r), s};
}

struct ExactPose {
    glm::dvec3 translation;
    glm::dquat rotation;
    glm::dvec3 scale;
};
inline ExactPose Exact(const Math::VQS& p) { return {Exact(p.translation), Exact(p.rotation), Exact(p.scale)}; }
inline glm::dmat4 Trs(const ExactPose& pose) {
    return glm::translate(glm::dmat4(1.0), pose.translation) * glm::mat4_cast(pose.rotation) *
           glm::scale(glm::dmat4(1.0), pose.scale);
}

// A channel's exact value at `time`, by scanning its keys: held outside them, interpolated between
// the two around it, rotations along the shorter arc (glm::slerp).
template <typename Key, typename Value>
Value ExactChannel(const std::vector<Key>& keys, double time, Value value) {
    if (keys.empty()) return value;
    std::size_t k = 0;
    while (k + 1 < keys.size() && keys[k + 1].time <= time) ++k;
    if (k + 1 == keys.size() || !(time > keys[k].time)) return Exact(keys[k].value);
    const double f = (time - keys[k].time) / (keys[k + 1].time - keys[k].time);
    if constexpr (std::is_same_v<Value, glm::dquat>) return glm::slerp(Exact(keys[k].value), Exact(keys[k + 1].value), f);
    else return glm::mix(Exact(keys[k].value), Exact(keys[k + 1].value), f);
}

// Every bone posed by `clip` at `time`; a bone without a track keeps its bind pose.
inline std::vector<ExactPose> ExactSample(const Assets::SkeletonData& skeleton, const Assets::AnimationData& clip, double time) {
    std::vector<ExactPose> poses;
    for (const Assets::BoneData& bone : skeleton.bones) poses.push_back(Exact(bone.bindPose));
    for (const Assets::BoneTrack& track : clip.tracks) {
        ExactPose& pose = poses.at(track.bone);
        pose = {ExactChannel(track.translations, time, pose.translation),
                ExactChannel(track.rotations, time, pose.rotation), ExactChannel(track.scales, time, pose.scale)};
    }
    return poses;
}

// Our matrices are stored row by row, glm's column by column.
inline double MaxDifference(const Math::Matrix4& actual, const glm::dmat4& expected) {
    double worst = 0.0;
    for (int i = 0; i < 16; ++i) worst = std::max(worst, std::abs(actual.m[i] - expected[i % 4][i / 4]));
    return worst;
}
inline ::testing::AssertionResult VectorNear(const Math::Vector3& actual, const glm::vec3& expected) {
    return ::testing::AssertionResult(glm::length(ToGlm(actual) - expected) <= 1e-5f)
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}
// The distance between two quaternions taken as the same rotation (q and -q).
inline double RotationError(const glm::dquat& actual, const glm::dquat& expected) {
    return std::min(glm::length(actual - expected), glm::length(actual + expected));
}
inline double RotationError(const Math::Quaternion& actual, const glm::dquat& expected) {
    return RotationError(Exact(actual), expected);
}
inline ::testing::AssertionResult RotationNear(const Math::Quaternion& actual, const glm::quat& expected) {
    const double error = RotationError(actual, glm::dquat(expected));
    return ::testing::AssertionResult(error <= 1e-5) << "rotation off by " << error;
}

// A skeleton of (parent, bind pose) whose inverse bind matrices are computed with glm.
inline Assets::SkeletonData MakeSkeleton(const std::vector<std::pair<int, Math::VQS>>& bones) {
    Assets::SkeletonData skeleton;
    std::vector<glm::dmat4> model;
    for (const auto& [parent, bindPose] : bones) {
        model.push_back((parent < 0 ? glm::dmat4(1.0) : model[std::size_t(parent)]) * Trs(Exact(bindPose)));
        const glm::dmat4 inverse = glm::inverse(model.back());
        skeleton.bones.push_back({"bone" + std::to_string(model.size()), parent, bindPose, {}});
        for (int i = 0; i < 16; ++i) skeleton.bones.back().inverseBind.m[i] = float(inverse[i % 4][i / 4]);
    }
    return skeleton;
}

using Keys = std::vector<Assets::Vector3Key>;
using Turns = std::vector<Assets::RotationKey>;
inline Assets::BoneTrack Track(std::uint32_t bone, Keys translations = {}, Turns rotations = {}, Keys scales = {}) {
    return {bone, std::move(translations), std::move(rotations), std::move(scales)};
}

}  // namespace AnimationReference
