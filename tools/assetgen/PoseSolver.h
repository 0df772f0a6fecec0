#pragma once
// Body poses as the clips describe them, and their conversion to the skeleton's local poses.
// A pose turns joints by angles in their parent's frame; a planted leg instead names where its
// ankle is and how its foot is turned, and the hip and knee are solved to reach it.
#include <array>

#include <Math/Math.h>

#include "WarriorSkeleton.h"

namespace AssetGen {

struct FootPlacement {
    bool planted = false;          // solve this leg for the ankle position below
    Math::Vector3 ankle;           // model-space ankle position
    Math::Vector3 angles;          // model-space foot turn (JointRotation angles)
    float toePitch = 0.0f;         // toe bend relative to the foot, radians (positive curls down)
};

struct BodyPose {
    Math::Vector3 pelvisOffset;                       // pelvis moved from its bind position, model space
    std::array<Math::Vector3, BoneCount> angles{};    // joint turns (JointRotation) in the parent's frame
    std::array<FootPlacement, 2> feet;                // left, right

    FootPlacement& FootOf(Side side) { return feet[side == Side::Left ? 0 : 1]; }
    const FootPlacement& FootOf(Side side) const { return feet[side == Side::Left ? 0 : 1]; }
};

using LocalPoses = std::array<Math::VQS, BoneCount>;

LocalPoses SolvePose(const BodyPose& pose);

// Points a planted foot rolls about: the bottom of the heel as it strikes, and the joint at the
// ball of the foot, where the toes bend while the heel rises (the toes then stay flat and still).
enum class FootPivot { Heel, Ball };
// The pivot's position relative to the ankle in the bind pose.
Math::Vector3 PivotOffset(FootPivot pivot);
// The ankle of a foot turned by `angles` about a pivot held at `pivotPoint`.
Math::Vector3 AnkleFromPivot(FootPivot pivot, const Math::Vector3& pivotPoint, const Math::Vector3& angles);

}  // namespace AssetGen
