// Where the app puts a weapon: the right hand bone (36) times the fixed offset. In the bind pose
// that point must lie inside the closed fist, and in the walking pose each weapon must be held
// the way its kind is carried.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using Math::Matrix4;
using Math::Vector3;

Matrix4 OffsetMatrix() { return Matrix4::TRS(kWeaponOffset, Math::Quaternion::identity, Vector3::one); }

// Bones at or below the weapon bone: the hand and its fingers.
std::vector<bool> HandBones(const Assets::SkeletonData& skeleton) {
    std::vector<bool> inHand(skeleton.bones.size(), false);
    for (size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const int parent = skeleton.bones[bone].parent;
        inHand[bone] = static_cast<int>(bone) == kWeaponBone || (parent >= 0 && inHand[parent]);
    }
    return inHand;
}

// Evenly spread unit directions (a Fibonacci sphere).
std::vector<Vector3> Directions(int count) {
    std::vector<Vector3> directions;
    const float golden = 2.39996323f;
    for (int i = 0; i < count; ++i) {
        const float y = 1.0f - 2.0f * (static_cast<float>(i) + 0.5f) / static_cast<float>(count);
        const float r = std::sqrt(1.0f - y * y);
        directions.emplace_back(r * std::cos(golden * i), y, r * std::sin(golden * i));
    }
    return directions;
}

// In the bind pose the grip point is enclosed by the fist: whichever way one looks from it, the
// hand's surface lies at least a unit beyond it (it is inside the hand's hull), and the fingers
// wrap it closely.
TEST(WeaponGripTest, GripPointLiesInsideTheClosedFist) {
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    ASSERT_GT(skeleton.bones.size(), static_cast<size_t>(kWeaponBone));
    const Vector3 grip = Math::TransformPoint(Math::Inverse(skeleton.bones[kWeaponBone].inverseBind) * OffsetMatrix(),
                                              Vector3::zero);
    const std::vector<bool> inHand = HandBones(skeleton);
    std::vector<Vector3> hand;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        if (inHand[v.boneIndices[0]] && v.boneWeights[0] >= 0.5f) hand.push_back(v.position);
    }
    ASSERT_GT(hand.size(), 100u);

    float nearest = 1e9f;
    for (const Vector3& p : hand) nearest = std::min(nearest, Math::Length(p - grip));
    EXPECT_LT(nearest, 4.0f) << "the fingers do not close around the grip";
    for (const Vector3& direction : Directions(400)) {
        float beyond = -1e9f;
        for (const Vector3& p : hand) beyond = std::max(beyond, Math::Dot(p - grip, direction));
        EXPECT_GT(beyond, 1.0f) << "the grip lies outside the hand towards (" << direction.x << ", " << direction.y
                                << ", " << direction.z << ")";
    }
}

struct HeldWeapon {
    std::vector<Vector3> points;  // model space
    Vector3 grip;
};

// A weapon's vertices placed as the app places it, with the warrior in `clip` at `time`.
HeldWeapon Hold(const Assets::MeshData& weapon, const char* clip, float time) {
    const Matrix4 placement = SamplePose(clip, time).bones.at(kWeaponBone) * OffsetMatrix();
    HeldWeapon held;
    held.grip = Math::TransformPoint(placement, Vector3::zero);
    for (const Assets::MeshVertex& v : weapon.vertices) held.points.push_back(Math::TransformPoint(placement, v.position));
    return held;
}

Vector3 FarthestFromGrip(const HeldWeapon& held) {
    Vector3 farthest = held.grip;
    for (const Vector3& p : held.points)
        if (Math::Length(p - held.grip) > Math::Length(farthest - held.grip)) farthest = p;
    return farthest - held.grip;
}

class CarriedWeaponTest : public ::testing::TestWithParam<const char*> {};

// Walking or running, the sword's blade points forward and up.
TEST_P(CarriedWeaponTest, SwordBladePointsForwardAndUp) {
    const Assets::MeshData sword = LoadMesh("models/Sword.mesh");
    for (float t = 0.0f; t < ClipDuration(GetParam()); t += 0.03f) {
        const Vector3 blade = FarthestFromGrip(Hold(sword, GetParam(), t));
        EXPECT_GT(Math::Length(blade), 80.0f);
        EXPECT_GT(blade.z, 0.25f * Math::Length(blade)) << "t = " << t;
        EXPECT_GT(blade.y, 0.25f * Math::Length(blade)) << "t = " << t;
    }
}

// The gun's muzzle points ahead, roughly level.
TEST_P(CarriedWeaponTest, GunPointsForward) {
    const Assets::MeshData gun = LoadMesh("models/Cerberus.mesh");
    for (float t = 0.0f; t < ClipDuration(GetParam()); t += 0.03f) {
        const Vector3 muzzle = FarthestFromGrip(Hold(gun, GetParam(), t));
        EXPECT_GT(muzzle.z, 0.8f * Math::Length(muzzle)) << "t = " << t;
    }
}

// The shield lies along the outside of the right forearm: its board is further out to the right
// (-x) than the forearm, and its face looks outwards.
TEST_P(CarriedWeaponTest, ShieldRidesOnTheOutsideOfTheForearm) {
    const Assets::MeshData shield = LoadMesh("models/Shield.mesh");
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const int forearm = BoneIndex(skeleton, "RightForearm");
    for (float t = 0.0f; t < ClipDuration(GetParam()); t += 0.03f) {
        const HeldWeapon held = Hold(shield, GetParam(), t);
        Vector3 centre;
        for (const Vector3& p : held.points) centre += p * (1.0f / static_cast<float>(held.points.size()));
        const SampledPose pose = SamplePose(GetParam(), t);
        const Vector3 elbow = Translation(pose.bones[forearm]);
        const Vector3 wrist = Translation(pose.bones[kWeaponBone]);
        const float forearmX = std::min(elbow.x, wrist.x);
        EXPECT_LT(centre.x, forearmX - 5.0f) << "t = " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(WalkAndRun, CarriedWeaponTest, ::testing::Values("Walk", "Run"));

}  // namespace
}  // namespace AssetTests
