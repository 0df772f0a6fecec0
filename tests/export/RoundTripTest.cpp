// Export, then import: the warrior that comes back through Warrior.glb and vantor-import must be
// the one that went out, bone for bone, and must move the same way. Poses are sampled here with
// glm (double precision), independently of the runtime.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <Assets/Formats.h>

#include "../animation/AnimationReference.h"

namespace {

using AnimationReference::Exact;
using AnimationReference::ExactPose;

template <typename Data>
Data Read(const std::string& path, bool (*read)(const Assets::Bytes&, Data&, std::string&)) {
    Assets::Bytes bytes;
    std::string why;
    Data data;
    EXPECT_TRUE(Assets::ReadFileBytes(path, bytes, why) && read(bytes, data, why)) << path << ": " << why;
    return data;
}

// One channel at `time`: held at the ends, interpolated between the two keys around it.
template <typename Key, typename Value>
Value SampleChannel(const std::vector<Key>& keys, double time, Value bind, Value (*mix)(Value, Value, double)) {
    if (keys.empty()) return bind;
    if (time <= keys.front().time) return Exact(keys.front().value);
    for (std::size_t k = 1; k < keys.size(); ++k) {
        if (time <= keys[k].time) {
            const double span = double(keys[k].time) - keys[k - 1].time;
            return mix(Exact(keys[k - 1].value), Exact(keys[k].value), (time - keys[k - 1].time) / span);
        }
    }
    return Exact(keys.back().value);
}

ExactPose SamplePose(const Assets::AnimationData& clip, std::uint32_t bone, const Math::VQS& bind, double time) {
    const ExactPose rest = Exact(bind);
    for (const Assets::BoneTrack& track : clip.tracks) {
        if (track.bone != bone) continue;
        auto lerp = [](glm::dvec3 a, glm::dvec3 b, double t) { return glm::mix(a, b, t); };
        auto slerp = [](glm::dquat a, glm::dquat b, double t) { return glm::slerp(a, b, t); };
        return {SampleChannel<Assets::Vector3Key, glm::dvec3>(track.translations, time, rest.translation, lerp),
                SampleChannel<Assets::RotationKey, glm::dquat>(track.rotations, time, rest.rotation, slerp),
                SampleChannel<Assets::Vector3Key, glm::dvec3>(track.scales, time, rest.scale, lerp)};
    }
    return rest;
}

double Difference(const ExactPose& a, const ExactPose& b) {
    const double rotation = std::min(glm::length(a.rotation - b.rotation), glm::length(a.rotation + b.rotation));
    return std::max({glm::length(a.translation - b.translation), rotation, glm::length(a.scale - b.scale)});
}

class RoundTrip : public ::testing::Test {
protected:
    // A folder of this process's own, since ctest runs the cases side by side.
    static void SetUpTestSuite() {
        folder = VANTOR_BUILD_DIR "/round-trip-" + std::to_string(getpid());
        const std::string command = std::string(VANTOR_IMPORT) + " " + VANTOR_BUILD_DIR "/resources/Warrior.glb --out " +
                                    folder + "/resources > " + folder + ".log";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    static void TearDownTestSuite() {
        std::filesystem::remove_all(folder);
        std::filesystem::remove(folder + ".log");
    }
    static std::string Original(const std::string& file) { return VANTOR_BUILD_DIR "/resources/" + file; }
    static std::string Returned(const std::string& file) { return folder + "/resources/" + file; }
    static inline std::string folder;
};

TEST_F(RoundTrip, KeepsTheSkeletonBoneForBone) {
    const auto sent = Read(Original("skeletons/Warrior_Skeleton.ske"), Assets::ReadSkeleton);
    const auto back = Read(Returned("skeletons/Warrior_Skeleton.ske"), Assets::ReadSkeleton);
    ASSERT_EQ(back.bones.size(), sent.bones.size());
    for (std::size_t b = 0; b < sent.bones.size(); ++b) {
        EXPECT_EQ(back.bones[b].name, sent.bones[b].name);
        EXPECT_EQ(back.bones[b].parent, sent.bones[b].parent) << sent.bones[b].name;
        EXPECT_LE(Difference(Exact(back.bones[b].bindPose), Exact(sent.bones[b].bindPose)), 1e-4) << sent.bones[b].name;
    }
}

TEST_F(RoundTrip, WalkAndRunMoveTheSameAtTenTimes) {
    const auto skeleton = Read(Original("skeletons/Warrior_Skeleton.ske"), Assets::ReadSkeleton);
    for (const char* name : {"Warrior_Walk.anim", "Warrior_Run.anim"}) {
        const auto sent = Read(Original(std::string("animations/") + name), Assets::ReadAnimation);
        const auto back = Read(Returned(std::string("animations/") + name), Assets::ReadAnimation);
        EXPECT_NEAR(back.duration, sent.duration, 1e-4) << name;
        double worst = 0.0;
        for (int i = 0; i < 10; ++i) {
            const double time = sent.duration * i / 9.0;
            for (std::uint32_t b = 0; b < skeleton.bones.size(); ++b) {
                const Math::VQS& bind = skeleton.bones[b].bindPose;
                worst = std::max(worst, Difference(SamplePose(back, b, bind, time), SamplePose(sent, b, bind, time)));
            }
        }
        EXPECT_LE(worst, 1e-3) << name;
    }
}

}  // namespace
