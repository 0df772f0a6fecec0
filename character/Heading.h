#pragma once
// Turning the character's heading. Its axes are the columns of the heading's rotation matrix:
// right, up and forward (+z of the model).
#include <Math/Math.h>

struct Axes {
    Math::Vector3 right;
    Math::Vector3 up;
    Math::Vector3 forward;
};

Axes AxesOf(const Math::Quaternion& heading);

// The heading turned, about forward x direction, by the angle between `forward` and the unit
// vector `direction`, composed before `heading`, and normalised. When the direction is
// (nearly) parallel or opposite to forward, or zero, the turn axis is undefined and the
// heading is kept as it is.
Math::Quaternion TurnToward(const Math::Quaternion& heading, const Math::Vector3& forward,
                            const Math::Vector3& direction);
