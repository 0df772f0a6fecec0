// Travel along the sampled path by arc length, and the path's debug drawing.
//
// Each frame the eased speed adds to the travelled distance; the distance places the character
// on the step between two neighbouring samples, and the heading slerps across that step from the
// heading at its start to one that faces its end. Reaching the end of a step moves on to the next
// one (at most one per frame, so a very fast character waits at the end of the current step while
// its distance runs ahead, and catches up over the following frames) and aims the heading at the
// new end. Passing the last sample starts a new lap from distance 0.
#include <algorithm>

#include <RenderInterface/Renderer.h>

#include "character/Heading.h"
#include "character/PathCharacter.h"
#include "character/SpeedProfile.h"

namespace {

constexpr float AxisLineLength = 10.0f;
constexpr float ControlPointRadius = 3.0f;

Math::Vector3 OnGround(const Math::Vector2& point)
{
    return Math::Vector3(point.x, 0.0f, point.y);
}

void TakeAxesFromHeading(PathCharacter& character)
{
    const Axes axes = AxesOf(character.orientation);
    character.right = axes.right;
    character.up = axes.up;
    character.forward = axes.forward;
}

}  // namespace

void PathCharacter::PlaceAtPathStart()
{
    segment = 1;
    distance = 0.0f;
    if (!curvePoints.empty()) {
        position = curvePoints[0];
    }

    TakeAxesFromHeading(*this);

    if (curvePoints.size() >= 2) {
        Math::Vector3 direction = curvePoints[1] - position;
        direction.Normalize();
        targetOrientation = TurnToward(orientation, forward, direction);
    }
}

void PathCharacter::DrawPath()
{
    using RenderInterface::DebugRenderSpace;
    for (const Math::Vector2& point : controlPoints) {
        renderer->DrawSphere(OnGround(point), ControlPointRadius, Math::Vector4::unit_y, DebugRenderSpace::World);
    }
    const std::size_t count = curvePoints.size();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        renderer->DrawLine(curvePoints[i], Math::Vector4::unit_x, curvePoints[i + 1], Math::Vector4::unit_x,
                           DebugRenderSpace::World);
    }
    // The sampling may stop short of the curve's end; the last line closes that gap.
    if (count > 0 && !controlPoints.empty()) {
        renderer->DrawLine(curvePoints.back(), Math::Vector4::unit_x, OnGround(controlPoints.back()),
                           Math::Vector4::unit_x, DebugRenderSpace::World);
    }
}

void PathCharacter::FollowPath()
{
    const int sampleCount = static_cast<int>(curvePoints.size());
    const float fraction = distance / pathLength;
    speedFactor = SpeedProfile(fraction, easeInEnd, easeOutStart);

    // Without a path (fewer than two samples) the character stays where it is.
    if (sampleCount >= 2) {
        distance = speed * speedFactor + distance;

        const float stepStart = arcLengths[segment - 1];
        const float stepLength = arcLengths[segment] - stepStart;
        // A step of zero length is crossed at once instead of dividing by zero.
        const float e = stepLength != 0.0f ? (distance - stepStart) / stepLength : 1.0f;

        // When a frame carries `distance` past the sample ahead (a high Speed), the character
        // stops at that sample: one step a frame keeps the lap's timing, and going on along the
        // step's extension would put it off the path.
        const float reached = std::min(e, 1.0f);
        position = Math::Lerp(curvePoints[segment - 1], curvePoints[segment], reached);
        orientation = Math::Slerp(startOrientation, targetOrientation, reached);
        orientation.Normalize();
        TakeAxesFromHeading(*this);

        if (e >= 1.0f) {
            ++segment;
            if (segment >= sampleCount) {
                segment = 1;
                distance = arcLengths[0];
            }
            Math::Vector3 direction = curvePoints[segment] - position;
            direction.Normalize();
            targetOrientation = TurnToward(orientation, forward, direction);
            startOrientation = orientation;
        }
    }

    BlendAnimations(fraction, easeInEnd, easeOutStart);
    DrawAxes();
}

void PathCharacter::DrawAxes()
{
    // A character that was never set up has nothing to draw with.
    if (renderer) {
        using RenderInterface::DebugRenderSpace;
        renderer->DrawLine(position, Math::Vector4::unit_x, position + forward * AxisLineLength,
                           Math::Vector4::unit_x, DebugRenderSpace::Overlay);
        renderer->DrawLine(position, Math::Vector4::unit_y, position + up * AxisLineLength, Math::Vector4::unit_y,
                           DebugRenderSpace::Overlay);
        renderer->DrawLine(position, Math::Vector4::unit_z, position + right * AxisLineLength,
                           Math::Vector4::unit_z, DebugRenderSpace::Overlay);
    }
}
