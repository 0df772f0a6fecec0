// Property: whatever size the user gives the window, the program keeps drawing all of it with the
// scene's proportions unchanged, and the tweak panel follows: it keeps its size while it fits and
// shrinks to stay inside a window too small for it.
#include <cmath>
#include <string>
#include <utility>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

// The floor's far edge (top at y = 0, reaching to z = -1000) seen from the start camera at height
// 120 and z = 595, pitched down by 0.0078625 rad, with a 45 degree vertical field of view: its
// row, as a fraction of the window's height measured from the middle, is the same at every size.
double ExpectedHorizonRow(int height) {
    const double below = std::atan(120.0 / 1595.0) + 0.0078625;
    return height / 2.0 + height / 2.0 * std::tan(below) / std::tan(M_PI / 8.0);
}

// The path's red loop in proportion to the window: its width, and the offset of its middle from
// the window's middle, each per pixel of window height.
std::pair<double, double> PathShape(const TestSupport::FrameImage& picture) {
    const Rect path = PathExtent(picture);
    const double height = picture.height;
    return {path.Width() / height, ((path.left + path.right) / 2.0 - picture.width / 2.0) / height};
}

bool IsSize(const TestSupport::FrameImage& picture, int width, int height) {
    return picture.width == unsigned(width) && picture.height == unsigned(height);
}

class ResizeTest : public DemoFixture {
protected:
    // Sizes the window as a window manager would and waits until the X server has done it.
    void Resize(int width, int height) {
        TestSupport::XdoTool("search --onlyvisible --name '^Vantor v0.0$' windowsize --sync %1 " +
                             std::to_string(width) + " " + std::to_string(height));
    }
    // Resizes and waits for a picture of the new size whose floor reaches the bottom corners.
    TestSupport::FrameImage ResizeAndCapture(int width, int height) {
        Resize(width, height);
        const std::string name = "window-" + std::to_string(width) + "x" + std::to_string(height);
        return CaptureUntil(name, [width, height](const TestSupport::FrameImage& p) {
            return IsSize(p, width, height) && IsFloor(Patch(p, width - 9, height - 9));
        });
    }
};

TEST_F(ResizeTest, WindowOfAnySizeIsDrawnWholeUndistortedWithThePanelInside) {
    const TestSupport::FrameImage start = CaptureUntil("window-1400x800", [](const TestSupport::FrameImage& p) {
        return HorizonRow(p) > 0 && PathExtent(p).Width() > 600 && FindPanel(p).Width() > 150;
    });
    ASSERT_TRUE(IsSize(start, 1400, 800));
    EXPECT_NEAR(HorizonRow(start), ExpectedHorizonRow(800), 3.0);
    const auto [referenceWidth, referenceOffset] = PathShape(start);
    const Rect startPanel = FindPanel(start);
    ASSERT_GT(startPanel.Width(), 150) << "no tweak panel at the top left";
    ASSERT_GT(startPanel.Height(), 80);

    // Smaller, larger, and a different shape: the scene is scaled by the window's height (the
    // field of view is vertical) and cropped or widened at the sides, never stretched.
    for (const auto& [width, height] : {std::pair{700, 400}, std::pair{1500, 850}, std::pair{1400, 500}}) {
        SCOPED_TRACE("window " + std::to_string(width) + "x" + std::to_string(height));
        const TestSupport::FrameImage picture = ResizeAndCapture(width, height);
        ASSERT_TRUE(IsSize(picture, width, height));
        EXPECT_TRUE(IsSky(Patch(picture, width - 9, 1))) << "top right is not sky";
        EXPECT_TRUE(IsFloor(Patch(picture, 1, height - 9))) << "bottom left is not floor";
        EXPECT_TRUE(IsFloor(Patch(picture, width - 9, height - 9))) << "bottom right is not floor";
        EXPECT_NEAR(HorizonRow(picture), ExpectedHorizonRow(height), 3.0);

        const auto [pathWidth, pathOffset] = PathShape(picture);
        EXPECT_NEAR(pathWidth, referenceWidth, 0.05 * referenceWidth);
        EXPECT_NEAR(pathOffset, referenceOffset, 0.03);

        const Rect panel = FindPanel(picture);
        EXPECT_NEAR(panel.Width(), startPanel.Width(), 2) << "the panel fits, so it keeps its size";
        EXPECT_NEAR(panel.Height(), startPanel.Height(), 2);
    }

    // Very small: still drawn to its edges, the panel shrunk to leave a margin of scene around it.
    const TestSupport::FrameImage tiny = ResizeAndCapture(200, 120);
    ASSERT_TRUE(IsSize(tiny, 200, 120));
    EXPECT_TRUE(IsSky(Patch(tiny, 193, 1, 6))) << "top right is not sky";
    EXPECT_TRUE(IsFloor(Patch(tiny, 193, 113, 6))) << "bottom right is not floor";
    const Rect tinyPanel = FindPanel(tiny);
    EXPECT_GT(tinyPanel.Width(), 100) << "the panel is still shown";
    EXPECT_LE(tinyPanel.right, 200 - 8) << "the panel leaves the window's right margin free";
    EXPECT_LE(tinyPanel.bottom, 120 - 8) << "the panel leaves the window's bottom margin free";

    // Wider than any common driver can render into (16384 at most): drawn all the same, from the
    // largest frame the driver allows scaled to the window, and said once. The screen shows the
    // window's left end, where the floor lies too far off to show through the fog.
    for (const int width : {20000, 20500}) {
        Resize(width, 300);
        const auto drawn = [](const TestSupport::FrameImage& p) {
            return p.height == 300 && IsSky(Patch(p, p.width - 9, 150));
        };
        EXPECT_TRUE(drawn(CaptureUntil("window-" + std::to_string(width) + "x300", drawn))) << "not drawn";
    }
    const std::string errors = program->StandardError();
    EXPECT_NE(errors.find("larger than this GPU can render"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("larger than this GPU can render"), errors.rfind("larger than this GPU can render"));

    // And back: the panel takes its full size again.
    const TestSupport::FrameImage back = ResizeAndCapture(1400, 800);
    ASSERT_TRUE(IsSize(back, 1400, 800));
    EXPECT_NEAR(FindPanel(back).Width(), startPanel.Width(), 2);
    EXPECT_NEAR(FindPanel(back).Height(), startPanel.Height(), 2);
    EXPECT_NEAR(HorizonRow(back), ExpectedHorizonRow(800), 3.0);
}

}  // namespace
}  // namespace EndToEnd
