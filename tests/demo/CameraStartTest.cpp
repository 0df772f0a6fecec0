// The camera's start pose, and the renderer's camera following it every frame.
#include "CameraFixture.h"

namespace DemoTest {
namespace {

TEST_F(CameraTest, StartsAboveTheSceneLookingAlongMinusZTiltedSlightlyUp)
{
    ExpectNear(camera.position, glm::dvec3(-12.0, 120.0, 595.0), 0.0);
    ExpectNear(camera.right, StartRight);
    ExpectNear(camera.up, StartUp);
    ExpectNear(camera.forward, StartForward);
    EXPECT_GT(camera.forward.y, 0.0f);

    ASSERT_NE(camera.view, nullptr);
    EXPECT_EQ(camera.view->width, 1400.0f);
    EXPECT_EQ(camera.view->height, 800.0f);
    EXPECT_FLOAT_EQ(camera.view->nearPlane, 0.1f);
    EXPECT_FLOAT_EQ(camera.view->farPlane, 10000.0f);
    EXPECT_FLOAT_EQ(camera.view->fovY, 0.7853982f);
    ExpectNear(camera.view->GetCamera().GetPosition(), glm::dvec3(-12.0, 120.0, 595.0), 0.0);
}

TEST_F(CameraTest, HandsForwardUpAndPositionToTheRendererEveryFrame)
{
    RenderInterface::Camera& rendered = camera.view->GetCamera();
    for (int frame = 0; frame < 2; ++frame) {
        rendered.SetForward(Math::Vector3(1.0f, 0.0f, 0.0f));
        rendered.SetUp(Math::Vector3(0.0f, 0.0f, 1.0f));
        rendered.SetPosition(Math::Vector3(0.0f, 0.0f, 0.0f));
        Frame();
        ExpectNear(rendered.GetForward(), StartForward);
        ExpectNear(rendered.GetUp(), StartUp);
        ExpectNear(rendered.GetPosition(), glm::dvec3(-12.0, 120.0, 595.0), 0.0);
    }
}

}  // namespace
}  // namespace DemoTest
