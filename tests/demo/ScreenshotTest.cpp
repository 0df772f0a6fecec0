// The running program as a user sees it on a display: from the start camera the sky above, the
// floor out to its far edge below and the tweak panel top-left; W moves the view forward; a drag
// with the right button turns it.
#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "ScreenAnalysis.h"
#include "VantorSession.h"

namespace DemoTest {
namespace {

using namespace std::chrono_literals;

// The row where the far edge of the floor (top at y = 0, reaching to z = -1000) shows, seen from
// (.., 120, 595) with the camera pitched by `pitch` radians and a 0.7853982 rad vertical field of
// view over 800 rows.
double ExpectedFloorEdgeRow(double pitch)
{
    const double belowHorizon = std::atan(120.0 / 1595.0);
    return 400.0 + 400.0 * std::tan(belowHorizon + pitch) / std::tan(0.7853982 / 2.0);
}
constexpr double StartPitch = 0.0078625;

class ScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        session = new VantorSession(VANTOR_EXECUTABLE);
        if (session->HasWindow()) {
            // Where later drags start, so no pointer jump lands in a frame with the button held.
            session->User().MovePointer(700, 300);
        }
    }

    static void TearDownTestSuite()
    {
        if (session->HasWindow()) {
            EXPECT_EQ(session->Quit(), 0);
        }
        delete session;
        session = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(session->HasWindow()); }

    // Captures until the condition holds for the picture or about 30 s have passed.
    template <typename Condition>
    TestSupport::FrameImage CaptureUntil(const std::string& name, Condition condition)
    {
        TestSupport::FrameImage frame;
        for (int attempt = 0; attempt < 120; ++attempt) {
            frame = session->Capture(name);
            if (frame.width > 0 && condition(frame)) {
                break;
            }
            std::this_thread::sleep_for(250ms);
        }
        return frame;
    }

    static VantorSession* session;
};

VantorSession* ScreenTest::session = nullptr;

TEST_F(ScreenTest, StartViewShowsSkyAboveFloorToItsFarEdgeBelowAndThePanelTopLeft)
{
    // The panel appears from the second frame on, once the bar has been laid out.
    const TestSupport::FrameImage frame = CaptureUntil("start", [](const TestSupport::FrameImage& f) {
        return FloorEdgeRow(f) > 0 &&
               f.Average(20, 30, 280, 120).Luminance() < f.Average(1000, 30, 380, 120).Luminance() - 60.0;
    });
    ASSERT_EQ(frame.width, 1400u);
    ASSERT_EQ(frame.height, 800u);

    const int edge = FloorEdgeRow(frame);
    EXPECT_NEAR(edge, ExpectedFloorEdgeRow(StartPitch), 6.0);

    const TestSupport::Color sky = frame.Average(400, 170, 1000, static_cast<unsigned>(edge - 190));
    const TestSupport::Color floor = frame.Average(0, static_cast<unsigned>(edge + 40), 1400, 800);
    EXPECT_GT(sky.b - sky.r, floor.b - floor.r + 8.0) << "the sky is bluer than the floor";
    EXPECT_GT(sky.Luminance(), floor.Luminance());

    const TestSupport::Color panel = frame.Average(20, 30, 280, 120);
    const TestSupport::Color skyBesidePanel = frame.Average(1000, 30, 380, 120);
    EXPECT_LT(panel.Luminance(), skyBesidePanel.Luminance() - 60.0) << "a dark panel over the sky";
}

TEST_F(ScreenTest, HoldingWMovesTheViewForward)
{
    const TestSupport::FrameImage before = session->Capture("before-w");
    session->User().PressKey("w");
    std::this_thread::sleep_for(1s);
    const TestSupport::FrameImage after = CaptureUntil(
        "after-w", [&before](const TestSupport::FrameImage& f) { return FloorShiftDown(before, f) != 0; });
    session->User().ReleaseKey("w");

    EXPECT_GT(FloorShiftDown(before, after), 0) << "the floor comes towards the viewer";
    EXPECT_GE(FloorEdgeRow(after), FloorEdgeRow(before)) << "the view did not tilt up";
}

TEST_F(ScreenTest, DraggingDownWithTheRightButtonTiltsTheViewDown)
{
    const TestSupport::FrameImage before = session->Capture("before-drag");
    const int edgeBefore = FloorEdgeRow(before);
    ASSERT_GT(edgeBefore, 0);

    session->User().PressButton(3);
    std::this_thread::sleep_for(500ms);
    session->User().MovePointer(700, 340);
    const TestSupport::FrameImage after = CaptureUntil("after-drag", [edgeBefore](const TestSupport::FrameImage& f) {
        const int edge = FloorEdgeRow(f);
        return edge > 0 && edge < edgeBefore - 50;
    });
    session->User().ReleaseButton(3);

    // 40 rows of motion turn 40 x 0.24 degrees, converted with 0.0175 rad per degree.
    EXPECT_NEAR(FloorEdgeRow(after), ExpectedFloorEdgeRow(StartPitch - 40 * 0.24 * 0.0175), 8.0);
}

}  // namespace
}  // namespace DemoTest
