#pragma once
// Rotation helpers the asset builder needs beyond the maths library: rotations from frames,
// between directions, and from the per-joint angles the clips are authored in.
#include <Math/Math.h>

namespace AssetGen {

constexpr float kPi = 3.14159265358979f;

constexpr float Radians(float degrees) { return degrees * (kPi / 180.0f); }

// The rotation whose matrix has the columns x, y, z (an orthonormal right-handed frame).
Math::Quaternion FromBasis(const Math::Vector3& x, const Math::Vector3& y, const Math::Vector3& z);

// The shortest rotation taking unit vector `from` onto unit vector `to`.
Math::Quaternion FromTo(const Math::Vector3& from, const Math::Vector3& to);

// A joint's turn in its parent's frame from angles in radians: roll about z first, then pitch
// about x, then yaw about y. With the body facing +z and up +y, positive pitch tips a bone that
// points up towards the front, positive yaw turns towards the body's left (+x).
Math::Quaternion JointRotation(const Math::Vector3& angles);

// `v` with its component along unit vector `axis` removed, normalised.
Math::Vector3 PerpendicularPart(const Math::Vector3& v, const Math::Vector3& axis);

}  // namespace AssetGen
