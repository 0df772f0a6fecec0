// Property: whatever size the user gives the window, the program keeps drawing all of it with the
// scene's proportions unchanged, and the tweak panel follows: it keeps its size while it fits and
// shrinks to stay inside a window too small for it.
#include <cmath>
#include <string>

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

class ResizeTest : public DemoFixture {
protected:
    // Sizes the window as a window manager would, then waits for a picture of that size whose
    // bottom-right corner is floor; or, for a window wider than the screen (the picture is cut at
    // the screen's edge), one of its height whose right end is sky halfway down.
    FrameImage Resized(int width, int height, bool widerThanScreen = false) {
        TestSupport::XdoTool("search --onlyvisible --name '^Vantor v0.0$' windowsize --sync %1 " +
                             std::to_string(width) + " " + std::to_string(height));
        const auto drawn = [&](const FrameImage& p) {
            return p.height == unsigned(height) && (widerThanScreen ? IsSky(Patch(p, int(p.width) - 9, height / 2))
                                                                    : p.width == unsigned(width) && IsFloor(Patch(p, width - 9, height - 9)));
        };
        const FrameImage picture = CaptureUntil("window-" + std::to_string(width) + "x" + std::to_string(height), drawn);
        EXPECT_TRUE(drawn(picture)) << "not drawn whole at " << width << "x" << height;
        return picture;
    }
};

TEST_F(ResizeTest, WindowOfAnySizeIsDrawnWholeUndistortedWithThePanelInside) {
    const FrameImage start = CaptureUntil("window-1400x800", [](const FrameImage& p) {
        return HorizonRow(p) > 0 && PathExtent(p).Width() > 600 && FindPanel(p).Width() > 150;
    });
    ASSERT_EQ(start.height, 800u);
    EXPECT_NEAR(HorizonRow(start), ExpectedHorizonRow(800), 3.0);
    const Rect startPath = PathExtent(start), startPanel = FindPanel(start);
    ASSERT_GT(startPanel.Width(), 150) << "no tweak panel at the top left";
    ASSERT_GT(startPanel.Height(), 80);

    // Very small: still drawn to its edges, the panel shrunk to leave a margin of scene around it.
    const FrameImage tiny = Resized(200, 120);
    EXPECT_TRUE(IsSky(Patch(tiny, 193, 1, 6))) << "top right is not sky";
    const Rect tinyPanel = FindPanel(tiny);
    EXPECT_GT(tinyPanel.Width(), 100) << "the panel is still shown";
    EXPECT_LE(tinyPanel.right, 200 - 8) << "the panel leaves the window's right margin free";
    EXPECT_LE(tinyPanel.bottom, 120 - 8) << "the panel leaves the window's bottom margin free";

    // Wider than any common driver can render into (16384 at most): drawn all the same, from the
    // largest frame the driver allows scaled to the window, and said once. The screen shows the
    // window's left end, where the floor lies too far off to show through the fog.
    Resized(20000, 300, true);
    Resized(20500, 300, true);
    const std::string errors = program->StandardError();
    EXPECT_NE(errors.find("larger than this GPU can render"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("larger than this GPU can render"), errors.rfind("larger than this GPU can render"));

    // Smaller, larger, and a different shape, after the small ones: the scene is scaled by the
    // window's height (the field of view is vertical) and cropped or widened at the sides, never
    // stretched. The path's width and the offset of its middle from the window's middle, per pixel
    // of height, stay; the panel, which fits again, has its full size back.
    for (const auto& [width, height] : {std::pair{700, 400}, std::pair{1500, 850}, std::pair{1400, 500}}) {
        SCOPED_TRACE("window " + std::to_string(width) + "x" + std::to_string(height));
        const FrameImage picture = Resized(width, height);
        EXPECT_TRUE(IsSky(Patch(picture, width - 9, 1))) << "top right is not sky";
        EXPECT_TRUE(IsFloor(Patch(picture, 1, height - 9))) << "bottom left is not floor";
        EXPECT_NEAR(HorizonRow(picture), ExpectedHorizonRow(height), 3.0);
        const Rect path = PathExtent(picture), panel = FindPanel(picture);
        EXPECT_NEAR(path.Width() / double(height), startPath.Width() / 800.0, 0.05 * startPath.Width() / 800.0);
        EXPECT_NEAR((path.left + path.right - width) / 2.0 / height, (startPath.left + startPath.right - 1400) / 1600.0, 0.03);
        EXPECT_NEAR(panel.Width(), startPanel.Width(), 2) << "the panel fits, so it has its full size";
        EXPECT_NEAR(panel.Height(), startPanel.Height(), 2);
    }
}

}  // namespace
}  // namespace EndToEnd
