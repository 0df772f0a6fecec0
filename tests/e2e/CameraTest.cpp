// Flying the camera as a user does. Property: holding W carries the view straight ahead (the path
// ahead grows about the same middle and the horizon stays put); dragging right with the right
// button turns the view right by 0.24 degrees per pixel, sliding the scene left as a pinhole
// camera would.
#include <cmath>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

using TestSupport::FrameImage;

// Where a point seen at column x appears after the camera turns right by `yaw` radians, for a
// window of the given size and a 45 degree vertical field of view.
double ColumnAfterTurn(double x, double yaw, int width, int height) {
    const double focal = height / 2.0 / std::tan(M_PI / 8.0);
    const double middle = width / 2.0;
    return middle + focal * std::tan(std::atan((x - middle) / focal) - yaw);
}

using CameraTest = DemoFixture;

bool ShowsStartView(const FrameImage& p) { return HorizonRow(p) > 0 && PathExtent(p).Width() > 600; }

TEST_F(CameraTest, HoldingWFliesStraightAhead) {
    const FrameImage before = CaptureUntil("before-w", ShowsStartView);
    const Rect pathBefore = PathExtent(before);
    ASSERT_GT(pathBefore.Width(), 600);
    // Held until the path has grown clearly, however many frames that takes on this machine.
    User().PressKey("w");
    CaptureUntil("holding-w", [&](const FrameImage& p) { return PathExtent(p).Width() > pathBefore.Width() + 40; });
    User().ReleaseKey("w");
    const FrameImage after = Capture("after-w");
    const Rect pathAfter = PathExtent(after);
    EXPECT_GT(pathAfter.Width(), pathBefore.Width() + 20) << "the path ahead came closer";
    EXPECT_GT(pathAfter.bottom, pathBefore.bottom) << "its near side slid down towards the viewer";
    EXPECT_NEAR((pathAfter.left + pathAfter.right) / 2.0, (pathBefore.left + pathBefore.right) / 2.0,
                0.05 * pathBefore.Width())
        << "the view did not slide sideways";
    EXPECT_NEAR(HorizonRow(after), HorizonRow(before), 6) << "the view did not tilt";
}

TEST_F(CameraTest, RightButtonDragTurnsTheViewByTheMouseMotion) {
    User().MovePointer(700, 300);
    const FrameImage before = CaptureUntil("before-drag", ShowsStartView);
    const Rect pathBefore = PathExtent(before);
    ASSERT_GT(pathBefore.Width(), 600);
    const int pixels = 20;
    User().PressButton(3);
    WaitForNextFrame();
    User().MovePointer(700 + pixels, 300);
    WaitForNextFrame();
    User().ReleaseButton(3);
    const FrameImage after = CaptureUntil("after-drag", [&](const FrameImage& p) { return PathExtent(p).left < pathBefore.left - 20; });
    const Rect pathAfter = PathExtent(after);
    // 15 x 0.016 degrees per pixel, converted with the camera's 0.0175 rad per degree.
    const double yaw = pixels * 15.0 * 0.016 * 0.0175;
    EXPECT_NEAR(pathAfter.left, ColumnAfterTurn(pathBefore.left, yaw, 1400, 800), 8.0);
    EXPECT_NEAR(pathAfter.right, ColumnAfterTurn(pathBefore.right, yaw, 1400, 800), 8.0);
    EXPECT_NEAR(HorizonRow(after), HorizonRow(before), 4) << "a sideways drag does not tilt the view";
}

}  // namespace
}  // namespace EndToEnd
