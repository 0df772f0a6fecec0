#include "character/Heading.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this the cross product of two unit vectors gives no usable turn axis.
constexpr float MinTurnAxisLength = 1e-6f;

}  // namespace

Axes AxesOf(const Math::Quaternion& heading)
{
    const Math::Matrix4 m = Math::ToMatrix4(heading);
    return Axes{m.Column(0), m.Column(1), m.Column(2)};
}

Math::Quaternion TurnToward(const Math::Quaternion& heading, const Math::Vector3& forward,
                            const Math::Vector3& direction)
{
    const Math::Vector3 axis = Math::Cross(forward, direction);
    // Written to also keep the heading when the direction is not a number.
    if (!(Math::Length(axis) >= MinTurnAxisLength)) {
        return heading;
    }
    // Rounding can push the cosine of two unit vectors just past +-1, outside acosf's domain.
    const float cosine = std::clamp(Math::Dot(forward, direction), -1.0f, 1.0f);
    Math::Quaternion turned = Math::Quaternion(acosf(cosine), Math::Normalized(axis)) * heading;
    turned.Normalize();
    return turned;
}
