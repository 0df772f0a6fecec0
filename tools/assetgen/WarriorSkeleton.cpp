#include "WarriorSkeleton.h"

#include <cmath>

#include "HandGrip.h"
#include "Rotations.h"

namespace AssetGen {

using Math::Vector3;

namespace {

constexpr int kParents[BoneCount] = {
    -1, Pelvis, Spine1, Spine2, Chest, Neck,
    Pelvis, LeftThigh, LeftCalf, LeftFoot,
    Pelvis, RightThigh, RightCalf, RightFoot,
    Chest, LeftClavicle, LeftUpperArm, LeftForearm,
    LeftHand, LeftThumb1, LeftThumb2, LeftHand, LeftIndex1, LeftIndex2,
    LeftHand, LeftMiddle1, LeftMiddle2, LeftHand, LeftRing1, LeftRing2,
    LeftHand, LeftPinky1, LeftPinky2,
    Chest, RightClavicle, RightUpperArm, RightForearm,
    RightHand, RightThumb1, RightThumb2, RightHand, RightIndex1, RightIndex2,
    RightHand, RightMiddle1, RightMiddle2, RightHand, RightRing1, RightRing2,
    RightHand, RightPinky1, RightPinky2,
};

constexpr const char* kNames[BoneCount] = {
    "Pelvis", "Spine1", "Spine2", "Chest", "Neck", "Head",
    "LeftThigh", "LeftCalf", "LeftFoot", "LeftToe",
    "RightThigh", "RightCalf", "RightFoot", "RightToe",
    "LeftClavicle", "LeftUpperArm", "LeftForearm", "LeftHand",
    "LeftThumb1", "LeftThumb2", "LeftThumb3", "LeftIndex1", "LeftIndex2", "LeftIndex3",
    "LeftMiddle1", "LeftMiddle2", "LeftMiddle3", "LeftRing1", "LeftRing2", "LeftRing3",
    "LeftPinky1", "LeftPinky2", "LeftPinky3",
    "RightClavicle", "RightUpperArm", "RightForearm", "RightHand",
    "RightThumb1", "RightThumb2", "RightThumb3", "RightIndex1", "RightIndex2", "RightIndex3",
    "RightMiddle1", "RightMiddle2", "RightMiddle3", "RightRing1", "RightRing2", "RightRing3",
    "RightPinky1", "RightPinky2", "RightPinky3",
};

// The arms hang in a relaxed A pose: out from the body by this angle, elbows a little bent.
constexpr float kArmSpread = Radians(14.0f);
constexpr float kElbowBend = Radians(18.0f);
constexpr float kUpperArmLength = 29.0f;
constexpr float kForearmLength = 26.0f;
// Bend angles of the finger joints along the curl around the grip.
constexpr float kFingerJointAngles[3] = {0.0f, Radians(100.0f), Radians(175.0f)};
constexpr float kThumbJoints[3] = {0.0f, 0.38f, 0.72f};

BindPose MakeBindPose() {
    BindPose pose{};
    auto at = [&](int bone, float x, float y, float z) { pose[bone].position = Vector3(x, y, z); };
    at(Pelvis, 0.0f, 100.0f, 0.0f);
    at(Spine1, 0.0f, 109.0f, -0.5f);
    at(Spine2, 0.0f, 120.0f, -1.0f);
    at(Chest, 0.0f, 131.0f, -1.0f);
    at(Neck, 0.0f, 152.0f, -1.5f);
    at(Head, 0.0f, 160.0f, -0.5f);
    for (Side side : kSides) {
        const float s = SideSign(side);
        at(Thigh(side), s * 9.5f, 96.0f, 0.5f);
        at(Calf(side), s * 9.7f, 53.0f, 2.0f);
        at(Foot(side), s * 9.8f, 10.0f, -0.5f);
        at(Toe(side), s * 9.8f, 2.5f, 12.5f);
        at(Clavicle(side), s * 2.5f, 148.0f, 1.0f);
        at(UpperArm(side), s * 18.0f, 147.5f, -1.5f);

        const Vector3 upperArmDirection(s * std::sin(kArmSpread), -std::cos(kArmSpread), 0.0f);
        const Vector3 elbow = pose[UpperArm(side)].position + upperArmDirection * kUpperArmLength;
        const Vector3 forearmDirection = Math::Rotate(Math::Quaternion::RotateX(-kElbowBend), upperArmDirection);
        const Vector3 wrist = elbow + forearmDirection * kForearmLength;
        pose[Forearm(side)].position = elbow;
        pose[Hand(side)].position = wrist;

        const HandFrame hand = MakeHandFrame(side, wrist, forearmDirection);
        const Math::Quaternion handRotation = HandBoneRotation(hand);
        pose[Hand(side)].rotation = handRotation;
        for (int segment = 0; segment < 3; ++segment) {
            pose[FingerBone(side, 0, segment)] = {ThumbPoint(hand, kThumbJoints[segment]), handRotation};
            for (int finger = 1; finger < 5; ++finger) {
                pose[FingerBone(side, finger, segment)] = {
                    FingerArcPoint(hand, finger, kFingerJointAngles[segment]), handRotation};
            }
        }
    }
    return pose;
}

}  // namespace

int Thigh(Side side) { return side == Side::Left ? LeftThigh : RightThigh; }
int Calf(Side side) { return side == Side::Left ? LeftCalf : RightCalf; }
int Foot(Side side) { return side == Side::Left ? LeftFoot : RightFoot; }
int Toe(Side side) { return side == Side::Left ? LeftToe : RightToe; }
int Clavicle(Side side) { return side == Side::Left ? LeftClavicle : RightClavicle; }
int UpperArm(Side side) { return side == Side::Left ? LeftUpperArm : RightUpperArm; }
int Forearm(Side side) { return side == Side::Left ? LeftForearm : RightForearm; }
int Hand(Side side) { return side == Side::Left ? LeftHand : RightHand; }
int FingerBone(Side side, int finger, int segment) {
    return (side == Side::Left ? LeftThumb1 : RightThumb1) + finger * 3 + segment;
}

const BindPose& WarriorBindPose() {
    static const BindPose pose = MakeBindPose();
    return pose;
}

Math::VQS LocalBindPose(int bone) {
    const BindPose& pose = WarriorBindPose();
    Math::VQS local;
    const int parent = kParents[bone];
    if (parent < 0) {
        local.translation = pose[bone].position;
        local.rotation = pose[bone].rotation;
        return local;
    }
    const Math::Quaternion parentInverse = Math::Conjugate(pose[parent].rotation);
    local.translation = Math::Rotate(parentInverse, pose[bone].position - pose[parent].position);
    local.rotation = parentInverse * pose[bone].rotation;
    local.rotation.Normalize();
    return local;
}

Assets::SkeletonData BuildWarriorSkeleton() {
    // Model matrices are composed from the local poses exactly as the runtime composes them, so
    // the bind pose skins to the identity up to rounding.
    Assets::SkeletonData skeleton;
    std::array<Math::Matrix4, BoneCount> model;
    for (int bone = 0; bone < BoneCount; ++bone) {
        Assets::BoneData data;
        data.name = kNames[bone];
        data.parent = kParents[bone];
        data.bindPose = LocalBindPose(bone);
        const Math::Matrix4 local = Math::ToMatrix4(data.bindPose);
        model[bone] = data.parent < 0 ? local : model[data.parent] * local;
        data.inverseBind = Math::Inverse(model[bone]);
        skeleton.bones.push_back(data);
    }
    return skeleton;
}

}  // namespace AssetGen
