// Mouse look: only with the right button held; yaw about the world's up axis, pitch about the
// camera's right axis limited to 90 degrees (1.575 radians with the 0.0175 factor) per frame.
#include "CameraFixture.h"

namespace DemoTest {
namespace {

TEST_F(CameraTest, WithoutTheRightButtonMotionNeitherTurnsNorWarps)
{
    const Math::Vector3 forward = camera.forward;
    const Math::Vector3 up = camera.up;
    PlacePointer(600, 300);
    DragFrame(-597, 150);

    EXPECT_EQ(camera.forward, forward);
    EXPECT_EQ(camera.up, up);
    const SDL_Point pointer = PointerInWindow();
    EXPECT_EQ(pointer.x, 3);
    EXPECT_EQ(pointer.y, 450);
}

TEST_F(CameraTest, MotionToTheRightYawsRightAboutTheWorldUpAxis)
{
    HoldRightButton();
    PlacePointer(700, 400);
    DragFrame(100, 0);

    const double yaw = -100 * RadiansPerPixel;
    ExpectNear(camera.forward, Turned(StartForward, yaw, WorldUp));
    ExpectNear(camera.right, Turned(StartRight, yaw, WorldUp));
    ExpectNear(camera.up, Turned(StartUp, yaw, WorldUp));
    EXPECT_GT(camera.forward.x, 0.0f);
}

struct PitchCase {
    int dy;
    double angle;  // radians about the start right axis
};

std::ostream& operator<<(std::ostream& out, const PitchCase& step)
{
    return out << "dy " << step.dy << " -> " << step.angle << " rad";
}

class CameraPitchTest : public CameraTest, public ::testing::WithParamInterface<PitchCase> {};

// 400 pixels would be 96 degrees; the step stops at 90, which the 0.0175 factor makes 1.575 rad.
INSTANTIATE_TEST_SUITE_P(Steps, CameraPitchTest,
                         ::testing::Values(PitchCase{400, -1.575}, PitchCase{-400, 1.575}, PitchCase{100, -0.42},
                                           PitchCase{-100, 0.42}));

TEST_P(CameraPitchTest, TurnsByTheLimitedStepAndShowsItInTheAxesOfTheNextTurningFrame)
{
    const PitchCase step = GetParam();
    HoldRightButton();
    PlacePointer(700, step.dy > 0 ? 200 : 600);
    DragFrame(0, step.dy);
    ExpectNear(camera.forward, StartForward);

    Frame();
    ExpectNear(camera.forward, Turned(StartForward, step.angle, StartRight));
    ExpectNear(camera.up, Turned(StartUp, step.angle, StartRight));
    EXPECT_EQ(camera.forward.y < 0.0f, step.dy > 0) << "moving the mouse down looks down";
}

TEST_F(CameraTest, PitchTurnsAboutTheRightAxisAfterAQuarterTurnOfYaw)
{
    HoldRightButton();
    PlacePointer(1000, 200);
    DragFrame(-375, 0);
    const Math::Vector3 right = camera.right;
    const Math::Vector3 forward = camera.forward;
    ExpectNear(forward, Turned(StartForward, 1.575, WorldUp));

    DragFrame(0, 100);
    Frame();
    ExpectNear(camera.right, ToGlm(right));
    ExpectNear(camera.forward, Turned(ToGlm(forward), -0.42, ToGlm(right)));
}

TEST_F(CameraTest, YawWhileLookingDownKeepsTheHorizonLevel)
{
    HoldRightButton();
    PlacePointer(700, 200);
    DragFrame(0, 200);
    DragFrame(-200, 0);
    Frame();
    ASSERT_LT(camera.forward.y, -0.5f) << "the camera looks down";
    EXPECT_NEAR(camera.right.y, 0.0f, 1e-5f) << "the right axis stays horizontal";
}

}  // namespace
}  // namespace DemoTest
