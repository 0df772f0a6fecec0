#pragma once
// Shared set-up for the animation tests: skeletons and clips written with the format writers
// to a temporary directory and registered through the AnimationLibrary, and glm as the
// independent reference for poses and matrices.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#define GLM_FORCE_CTOR_INIT
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <Assets/Formats.h>
#include <RenderInterface/Animation.h>

#include "animation/AnimationLibrary.h"

namespace AnimationTest {

inline glm::vec3 ToGlm(const Math::Vector3& v) { return {v.x, v.y, v.z}; }
inline glm::quat ToGlm(const Math::Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
inline Math::Quaternion FromGlm(const glm::quat& q) { return Math::Quaternion(Math::Vector3(q.x, q.y, q.z), q.w); }
inline glm::quat AxisAngle(float radians, const glm::vec3& axis) { return glm::angleAxis(radians, axis); }

inline Math::VQS Pose(const Math::Vector3& t, const glm::quat& r = glm::quat(1, 0, 0, 0),
                      const Math::Vector3& s = Math::Vector3(1, 1, 1)) {
    Math::VQS pose;
    pose.translation = t;
    pose.rotation = FromGlm(r);
    pose.scale = s;
    return pose;
}

inline glm::mat4 GlmTrs(const Math::VQS& pose) {
    return glm::translate(glm::mat4(1.0f), ToGlm(pose.translation)) * glm::mat4_cast(ToGlm(pose.rotation)) *
           glm::scale(glm::mat4(1.0f), ToGlm(pose.scale));
}

// Our matrices are stored row by row, glm's column by column.
inline ::testing::AssertionResult MatrixNear(const Math::Matrix4& actual, const glm::mat4& expected,
                                             float tolerance = 1e-4f) {
    for (int i = 0; i < 16; ++i) {
        if (std::abs(actual.m[i] - expected[i % 4][i / 4]) > tolerance) {
            return ::testing::AssertionFailure() << "element (" << i / 4 << ", " << i % 4 << ") is " << actual.m[i]
                                                 << ", expected " << expected[i % 4][i / 4];
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult VectorNear(const Math::Vector3& actual, const glm::vec3& expected) {
    if (glm::length(ToGlm(actual) - expected) > 1e-5f) {
        return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z
                                             << "), expected (" << expected.x << ", " << expected.y << ", "
                                             << expected.z << ")";
    }
    return ::testing::AssertionSuccess();
}

// Same rotation, counting q and -q as equal.
inline ::testing::AssertionResult RotationNear(const Math::Quaternion& actual, const glm::quat& expected) {
    const float dot = std::abs(glm::dot(ToGlm(actual), expected));
    if (1.0f - dot > 1e-5f) {
        return ::testing::AssertionFailure() << "rotation (" << actual.v.x << ", " << actual.v.y << ", "
                                             << actual.v.z << ", " << actual.s << ") is off by |dot| = " << dot;
    }
    return ::testing::AssertionSuccess();
}

// A skeleton whose inverse bind matrices are computed with glm from the bind poses.
inline Assets::SkeletonData MakeSkeleton(const std::vector<std::pair<int, Math::VQS>>& bones) {
    Assets::SkeletonData skeleton;
    std::vector<glm::mat4> model;
    for (const auto& [parent, bindPose] : bones) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(model.size());
        bone.parent = parent;
        bone.bindPose = bindPose;
        model.push_back(parent < 0 ? GlmTrs(bindPose) : model[static_cast<std::size_t>(parent)] * GlmTrs(bindPose));
        const glm::mat4 inverse = glm::inverse(model.back());
        for (int i = 0; i < 16; ++i) {
            bone.inverseBind.m[i] = inverse[i % 4][i / 4];
        }
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

// A clip of `duration` whose tracks are given.
inline Assets::AnimationData MakeClip(float duration, std::vector<Assets::BoneTrack> tracks = {}) {
    Assets::AnimationData clip;
    clip.duration = duration;
    clip.tracks = std::move(tracks);
    return clip;
}

inline RenderInterface::AnimationState State(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    return state;
}

// Writes assets to a fresh directory and registers them; clears the registry afterwards.
class AnimationFixture : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("vantor-animation-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }

    void TearDown() override {
        RenderInterface::AnimationLibrary::Clear();
        std::filesystem::remove_all(directory);
    }

    std::string Write(const std::string& file, const Assets::Bytes& bytes) {
        const std::string path = (directory / file).string();
        std::string error;
        EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
        return path;
    }

    void RegisterSkeleton(const std::string& name, const Assets::SkeletonData& skeleton) {
        const std::string path = Write(name + ".ske", Assets::WriteSkeleton(skeleton));
        ASSERT_EQ(RenderInterface::AnimationLibrary::RegisterSkeletonFile(path.c_str(), name.c_str()),
                  RenderInterface::ResourceResult::Loaded);
    }

    void RegisterClip(const std::string& name, const Assets::AnimationData& clip) {
        const std::string path = Write(name + ".anim", Assets::WriteAnimation(clip));
        ASSERT_EQ(RenderInterface::AnimationLibrary::RegisterAnimationFile(path.c_str(), name.c_str()),
                  RenderInterface::ResourceResult::Loaded);
    }

    std::filesystem::path directory;
};

}  // namespace AnimationTest
