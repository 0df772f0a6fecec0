// All fifteen clips: short, keyed over their whole length, moving the body plausibly for their
// names without sinking into the floor, and bending the skinned mesh without tearing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using Math::Vector3;

bool IsGait(const std::string& name) { return name == "Walk" || name == "Run"; }

float LargestBoneMove(const SampledPose& a, const SampledPose& b) {
    float largest = 0.0f;
    for (size_t bone = 0; bone < a.bones.size(); ++bone)
        largest = std::max(largest, Math::Length(Translation(a.bones[bone]) - Translation(b.bones[bone])));
    return largest;
}

class EveryClipTest : public ::testing::TestWithParam<ClipFile> {};

// Short (the demo registers them but only plays Walk and Run), with every channel keyed from
// the start to the end of the clip.
TEST_P(EveryClipTest, IsShortAndKeyedToItsEnd) {
    const Assets::AnimationData clip = LoadClip(GetParam().fileStem);
    EXPECT_GT(clip.duration, 0.1f);
    EXPECT_LE(clip.duration, 1.0f);
    EXPECT_FALSE(clip.tracks.empty());
    bool reachesEnd = false;
    for (const Assets::BoneTrack& track : clip.tracks) {
        for (const auto* keys : {&track.translations, &track.scales}) {
            ASSERT_FALSE(keys->empty());
            EXPECT_EQ(keys->front().time, 0.0f);
            EXPECT_LE(keys->back().time, clip.duration);
        }
        ASSERT_FALSE(track.rotations.empty());
        EXPECT_EQ(track.rotations.front().time, 0.0f);
        EXPECT_LE(track.rotations.back().time, clip.duration);
        reachesEnd |= track.rotations.back().time == clip.duration;
    }
    EXPECT_TRUE(reachesEnd);
}

// Neither the body nor a boot goes through the floor: the lowest skinned vertex stays above
// y = -1.5 (the sole's rounding may touch down a little while the foot rolls).
TEST_P(EveryClipTest, KeepsTheBodyAboveTheFloor) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    const float duration = ClipDuration(GetParam().name);
    for (float t = 0.0f; t <= duration; t += duration / 12.0f) {
        const std::vector<Vector3> skinned = SkinPositions(mesh, SamplePose(GetParam().name, t).skinning);
        float lowest = 1e9f;
        for (const Vector3& p : skinned) lowest = std::min(lowest, p.y);
        EXPECT_GT(lowest, -1.5f) << "t = " << t;
    }
}

// Skin weights blend smoothly across the joints: however a clip bends the body, no triangle edge
// of the skinned mesh stretches to more than three times its length in the bind pose (the outside
// of a sharply bent elbow or knee comes closest). A vertex bound to the wrong bone, or a hard step
// in the weights, tears edges far beyond that.
TEST_P(EveryClipTest, BendsTheMeshWithoutTearingIt) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    std::set<std::pair<std::uint32_t, std::uint32_t>> edges;
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t a = mesh.indices[t + k], b = mesh.indices[t + (k + 1) % 3];
            if (Math::Length(mesh.vertices[a].position - mesh.vertices[b].position) > 0.3f)
                edges.emplace(std::min(a, b), std::max(a, b));
        }
    }
    const float duration = ClipDuration(GetParam().name);
    float longest = 0.0f;
    for (float t = 0.0f; t <= duration; t += duration / 8.0f) {
        const std::vector<Vector3> skinned = SkinPositions(mesh, SamplePose(GetParam().name, t).skinning);
        for (const auto& [a, b] : edges) {
            longest = std::max(longest, Math::Length(skinned[a] - skinned[b]) /
                                            Math::Length(mesh.vertices[a].position - mesh.vertices[b].position));
        }
    }
    EXPECT_LT(longest, 3.0f);
}

// Every clip moves the body; the actions start from one shared standing pose, so switching
// between them begins smoothly.
TEST_P(EveryClipTest, MovesAndStartsFromTheStandingPose) {
    const std::string name = GetParam().name;
    const float duration = ClipDuration(name);
    const SampledPose start = SamplePose(name, 0.0f);
    float moved = 0.0f;
    for (float t = 0.0f; t <= duration; t += duration / 20.0f)
        moved = std::max(moved, LargestBoneMove(start, SamplePose(name, t)));
    // Stand only breathes; everything else moves the body visibly.
    EXPECT_GT(moved, name == "Stand" ? 1.0f : 10.0f);
    if (!IsGait(name)) {
        EXPECT_LT(LargestBoneMove(start, SamplePose("Stand", 0.0f)), 0.01f);
    }
}

std::string ClipName(const ::testing::TestParamInfo<ClipFile>& info) { return info.param.fileStem; }

INSTANTIATE_TEST_SUITE_P(Warrior, EveryClipTest, ::testing::ValuesIn(ClipFiles()), ClipName);

// Die ends with the warrior lying on the ground.
TEST(ActionClipTest, DieEndsLyingDown) {
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const SampledPose end = SamplePose("Die", ClipDuration("Die"));
    EXPECT_LT(Translation(end.bones.at(BoneIndex(skeleton, "Head"))).y, 35.0f);
    EXPECT_LT(Translation(end.bones.at(BoneIndex(skeleton, "Chest"))).y, 35.0f);
}

// Attacks and skills swing the weapon: the weapon hand travels well away from where it started.
TEST(ActionClipTest, AttacksSwingTheWeaponHand) {
    for (const char* clip : {"Attack1", "Attack2", "Attack3", "Skill1", "Skill2", "Skill4", "Skill5"}) {
        const float duration = ClipDuration(clip);
        const Vector3 start = Translation(SamplePose(clip, 0.0f).bones.at(kWeaponBone));
        float farthest = 0.0f;
        for (float t = 0.0f; t <= duration; t += duration / 20.0f)
            farthest = std::max(farthest, Math::Length(Translation(SamplePose(clip, t).bones.at(kWeaponBone)) - start));
        EXPECT_GT(farthest, 30.0f) << clip;
    }
}

// Stand is an idle loop: it ends where it begins.
TEST(ActionClipTest, StandLoops) {
    EXPECT_LT(LargestBoneMove(SamplePose("Stand", 0.0f), SamplePose("Stand", ClipDuration("Stand"))), 1e-3f);
}

}  // namespace
}  // namespace AssetTests
