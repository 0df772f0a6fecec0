#include "PoseSolver.h"

#include <algorithm>
#include <cmath>

#include "Rotations.h"

namespace AssetGen {

using Math::Quaternion;
using Math::Vector3;

namespace {

// Rotation taking a bone lying along `bindDirection` (with its knee or elbow side towards
// `bindPole`) to lie along `direction` with that side towards `pole`.
Quaternion AimBone(const Vector3& bindDirection, const Vector3& bindPole, const Vector3& direction,
                   const Vector3& pole) {
    auto frame = [](const Vector3& primary, const Vector3& secondary) {
        const Vector3 y = PerpendicularPart(secondary, primary);
        return FromBasis(primary, y, Math::Cross(primary, y));
    };
    return frame(direction, pole) * Math::Conjugate(frame(bindDirection, bindPole));
}

// Hip and knee turned so the ankle reaches the target, the knee bending towards the way the
// foot and the pelvis face. An out-of-reach target straightens the leg towards it.
void SolveLeg(Side side, const FootPlacement& foot, const Vector3& pelvisPosition, const Quaternion& pelvisRotation,
              LocalPoses& locals) {
    const BindPose& bind = WarriorBindPose();
    const Vector3 hip0 = bind[Thigh(side)].position;
    const Vector3 knee0 = bind[Calf(side)].position;
    const Vector3 ankle0 = bind[Foot(side)].position;
    const float thighLength = Math::Length(knee0 - hip0);
    const float shinLength = Math::Length(ankle0 - knee0);

    const Vector3 hip = pelvisPosition + Math::Rotate(pelvisRotation, hip0 - bind[Pelvis].position);
    const Vector3 toAnkle = foot.ankle - hip;
    const Vector3 reachDirection = Math::Normalized(toAnkle);
    const float reach = std::clamp(Math::Length(toAnkle), std::fabs(thighLength - shinLength) + 0.01f,
                                   (thighLength + shinLength) * 0.99999f);

    const Quaternion footRotation = JointRotation(foot.angles);
    const Vector3 facing = Math::Rotate(footRotation, Vector3::unit_z) + Math::Rotate(pelvisRotation, Vector3::unit_z);
    const Vector3 pole = PerpendicularPart(facing, reachDirection);
    const float cosHip = std::clamp((thighLength * thighLength + reach * reach - shinLength * shinLength) /
                                        (2.0f * thighLength * reach),
                                    -1.0f, 1.0f);
    const Vector3 knee = hip + (reachDirection * cosHip + pole * std::sqrt(1.0f - cosHip * cosHip)) * thighLength;
    const Vector3 ankle = hip + reachDirection * reach;

    const Vector3 thighDirection0 = Math::Normalized(knee0 - hip0);
    const Vector3 shinDirection0 = Math::Normalized(ankle0 - knee0);
    const Vector3 thighDirection = Math::Normalized(knee - hip);
    const Vector3 shinDirection = Math::Normalized(ankle - knee);
    const Quaternion thighRotation = AimBone(thighDirection0, Vector3::unit_z, thighDirection, pole);
    const Quaternion shinRotation = AimBone(shinDirection0, Vector3::unit_z, shinDirection, pole);

    // The leg's bones have identity bind rotations, so local = parent^-1 * model.
    locals[Thigh(side)].rotation = Math::Conjugate(pelvisRotation) * thighRotation;
    locals[Calf(side)].rotation = Math::Conjugate(thighRotation) * shinRotation;
    locals[Foot(side)].rotation = Math::Conjugate(shinRotation) * footRotation;
    locals[Toe(side)].rotation = Quaternion::RotateX(foot.toePitch);
}

}  // namespace

Vector3 PivotOffset(FootPivot pivot) {
    const BindPose& bind = WarriorBindPose();
    if (pivot == FootPivot::Ball) {
        return bind[LeftToe].position - bind[LeftFoot].position;
    }
    // The heel rests on the floor (y = 0) behind the ankle.
    return Vector3(0.0f, -bind[LeftFoot].position.y, -5.5f);
}

Vector3 AnkleFromPivot(FootPivot pivot, const Vector3& pivotPoint, const Vector3& angles) {
    return pivotPoint - Math::Rotate(JointRotation(angles), PivotOffset(pivot));
}

LocalPoses SolvePose(const BodyPose& pose) {
    LocalPoses locals;
    for (int bone = 0; bone < BoneCount; ++bone) {
        const Math::VQS bind = LocalBindPose(bone);
        locals[bone] = bind;
        locals[bone].rotation = JointRotation(pose.angles[bone]) * bind.rotation;
        locals[bone].rotation.Normalize();
    }
    locals[Pelvis].translation = WarriorBindPose()[Pelvis].position + pose.pelvisOffset;
    for (Side side : kSides) {
        const FootPlacement& foot = pose.FootOf(side);
        if (foot.planted) {
            SolveLeg(side, foot, locals[Pelvis].translation, locals[Pelvis].rotation, locals);
        }
    }
    return locals;
}

}  // namespace AssetGen
