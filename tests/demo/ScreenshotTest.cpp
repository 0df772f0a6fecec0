// The running program as a user sees it: from the start camera the sky above, the floor out to
// its far edge below and the dark tweak panel top-left; holding W moves the view forward, and a
// drag with the right button tilts it.
#include <chrono>
#include <cmath>
#include <thread>

#include <TestSupport/XSession.h>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using TestSupport::FrameImage;

// The row where the far edge of the floor (top at y = 0, reaching to z = -1000) shows, seen from
// height 120 at z = `z` with the camera pitched by `pitch` and a 0.7853982 rad field of view over
// 800 rows.
double ExpectedFloorEdgeRow(double pitch, double z = 595.0)
{
    return 400.0 + 400.0 * std::tan(std::atan(120.0 / (z + 1000.0)) + pitch) / std::tan(0.7853982 / 2.0);
}
constexpr double StartPitch = 0.0078625;

// The first row from the top, right of the panel, clearly darker than the row above it (the
// sky's own gradient changes far less); -1 if none.
int FloorEdgeRow(const FrameImage& image)
{
    if (image.width < 1400) {
        return -1;
    }
    double above = image.Average(1000, 170, 380, 1).Luminance();
    for (unsigned row = 171; row < image.height; ++row) {
        const double here = image.Average(1000, row, 380, 1).Luminance();
        if (here < above - 4.0) {
            return static_cast<int>(row);
        }
        above = here;
    }
    return -1;
}

bool PanelShows(const FrameImage& f)
{
    return f.Average(20, 30, 280, 120).Luminance() < f.Average(1000, 30, 380, 120).Luminance() - 60.0;
}

class ScreenTest : public ::testing::Test {
protected:
    // Captures until the condition holds for the picture or about 30 s have passed.
    template <typename Condition>
    FrameImage CaptureUntil(const std::string& name, Condition condition)
    {
        FrameImage frame;
        for (int attempt = 0; attempt < 120; ++attempt) {
            frame = program.Capture(name);
            if (frame.width > 0 && condition(frame)) {
                break;
            }
            std::this_thread::sleep_for(250ms);
        }
        return frame;
    }

    TestSupport::RunningProgram program{VANTOR_EXECUTABLE};
};

TEST_F(ScreenTest, ShowsTheSceneAndFollowsWAndTheRightButton)
{
    ASSERT_TRUE(program.WaitForWindow());
    program.User().MovePointer(700, 300);  // where the drag starts, before the button goes down
    // The panel appears from the second frame on, once the bar has been laid out.
    const FrameImage start =
        CaptureUntil("start", [](const FrameImage& f) { return FloorEdgeRow(f) > 0 && PanelShows(f); });
    ASSERT_EQ(start.width * 10000 + start.height, 14000800u);
    const int edge = FloorEdgeRow(start);
    EXPECT_NEAR(edge, ExpectedFloorEdgeRow(StartPitch), 6.0);
    const TestSupport::Color sky = start.Average(400, 170, 1000, static_cast<unsigned>(edge - 190));
    const TestSupport::Color floor = start.Average(0, static_cast<unsigned>(edge + 40), 1400, 800);
    EXPECT_GT(sky.b - sky.r, floor.b - floor.r + 8.0) << "the sky is bluer than the floor";
    EXPECT_TRUE(PanelShows(start)) << "a dark panel over the sky";

    // Closer to the far edge, it shows lower: 100 units of travel lower it by about 4 rows.
    program.User().PressKey("w");
    const FrameImage forward = CaptureUntil("after-w", [edge](const FrameImage& f) { return FloorEdgeRow(f) >= edge + 3; });
    program.User().ReleaseKey("w");
    EXPECT_GE(FloorEdgeRow(forward), edge + 3) << "the view did not move toward the floor's far edge";
    std::this_thread::sleep_for(300ms);
    const int edgeBefore = FloorEdgeRow(program.Capture("before-drag"));

    program.User().PressButton(3);
    std::this_thread::sleep_for(500ms);
    program.User().MovePointer(700, 340);
    const FrameImage turned = CaptureUntil("after-drag", [edgeBefore](const FrameImage& f) {
        return FloorEdgeRow(f) > 0 && FloorEdgeRow(f) < edgeBefore - 50;
    });
    program.User().ReleaseButton(3);
    // 40 rows of motion turn 40 x 0.24 degrees at 0.0175 rad per degree: the edge rises.
    EXPECT_NEAR(FloorEdgeRow(turned) - edgeBefore,
                ExpectedFloorEdgeRow(StartPitch - 40 * 0.24 * 0.0175) - ExpectedFloorEdgeRow(StartPitch), 8.0);
    EXPECT_EQ(program.Quit(), 0);
}

}  // namespace
