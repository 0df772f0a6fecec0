#pragma once
// The warrior's skeleton: 52 bones of a humanoid about 180 units tall, feet on y = 0, facing +z,
// up +y. Its right side is -x. Bone 36 is the right hand, which carries the weapon.
#include <array>
#include <string>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetGen {

enum Bone : int {
    Pelvis, Spine1, Spine2, Chest, Neck, Head,
    LeftThigh, LeftCalf, LeftFoot, LeftToe,
    RightThigh, RightCalf, RightFoot, RightToe,
    LeftClavicle, LeftUpperArm, LeftForearm, LeftHand,
    LeftThumb1, LeftThumb2, LeftThumb3, LeftIndex1, LeftIndex2, LeftIndex3,
    LeftMiddle1, LeftMiddle2, LeftMiddle3, LeftRing1, LeftRing2, LeftRing3,
    LeftPinky1, LeftPinky2, LeftPinky3,
    RightClavicle, RightUpperArm, RightForearm, RightHand,
    RightThumb1, RightThumb2, RightThumb3, RightIndex1, RightIndex2, RightIndex3,
    RightMiddle1, RightMiddle2, RightMiddle3, RightRing1, RightRing2, RightRing3,
    RightPinky1, RightPinky2, RightPinky3,
    BoneCount
};
static_assert(RightHand == 36, "the app carries the weapon on bone 36");

enum class Side { Left, Right };
constexpr Side kSides[2] = {Side::Left, Side::Right};
// +1 on the left (+x), -1 on the right.
constexpr float SideSign(Side side) { return side == Side::Left ? 1.0f : -1.0f; }

// Per-side bone lookups.
int Thigh(Side side);
int Calf(Side side);
int Foot(Side side);
int Toe(Side side);
int Clavicle(Side side);
int UpperArm(Side side);
int Forearm(Side side);
int Hand(Side side);
// Finger 0 is the thumb, 1..4 index to little finger; segment 0..2 from the hand outwards.
int FingerBone(Side side, int finger, int segment);

// A bone's bind pose in model space.
struct BindFrame {
    Math::Vector3 position;
    Math::Quaternion rotation;
};
using BindPose = std::array<BindFrame, BoneCount>;

const BindPose& WarriorBindPose();

// Local bind pose of a bone (relative to its parent), from the model-space frames.
Math::VQS LocalBindPose(int bone);

Assets::SkeletonData BuildWarriorSkeleton();

}  // namespace AssetGen
