// The "Inspector" panel worked with the mouse as a person would, in one run of the program.
// Properties: pausing holds the warrior still while W still flies the camera, and a step moves
// only the warrior; the skeleton the inspector draws lies on the warrior's body.
#include <algorithm>
#include <vector>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

using InspectorTest = DemoFixture;

// Both panels end above the floor's far edge; the scene below holds the path and the warrior.
constexpr int BelowPanels = 480;
const Rect Panels{0, 0, 1399, BelowPanels};

TEST_F(InspectorTest, PauseHoldsTheWarriorAStepMovesItAndItsSkeletonLiesOnItsBody) {
    // Folded to its title at the top-right corner; the arrow that opens it starts the title. Its
    // rows are found by their lines of text; its values lie in the 170-pixel fields at its right.
    const FrameImage start = CaptureUntil("start", [](const FrameImage& p) {
        return PathExtent(p).Width() > 600 && FindRightPanel(p).left > int(p.width) / 2;
    });
    const Rect folded = FindRightPanel(start);
    const std::vector<int> title = TextLines(start, folded);
    ASSERT_FALSE(title.empty()) << "no inspector at the top right";
    Click(folded.left + 10, title[0]);
    const FrameImage open = CaptureUntil("open", [&](const FrameImage& p) { return FindRightPanel(p).Width() > folded.Width() + 100; });
    const Rect inspector = FindRightPanel(open);
    const int fieldX = inspector.right - 170;
    const std::vector<int> lines = TextLines(open, Rect{inspector.left + 2, inspector.top, inspector.left + 60, inspector.bottom});
    ASSERT_GE(lines.size(), 5u) << "the title, Show skeleton, Show mesh, Pause, Slow motion";
    const int showSkeletonY = lines[1], showMeshY = lines[2], pauseY = lines[3];
    const int stepY = (lines[3] + lines[4]) / 2;  // the Step button carries its name on itself, in the value column

    Click(fieldX, pauseY);
    const FrameImage paused = CaptureStill("paused", Panels);
    EXPECT_EQ(ChangesWithin(paused, "paused-later", 1.0, Panels).count, 0) << "the warrior moved while paused";

    const int pathWidth = PathExtent(paused).Width();
    User().PressKey("w");
    CaptureUntil("holding-w", [&](const FrameImage& p) { return PathExtent(p).Width() > pathWidth + 40; });
    User().ReleaseKey("w");
    const FrameImage flown = CaptureStill("flown", Panels);
    EXPECT_GT(PathExtent(flown).Width(), pathWidth + 40) << "W did not fly the camera while paused";

    Click(fieldX, stepY);
    const FrameImage stepped = CaptureChange(flown, "stepped", Panels);
    const Changes step = Compare(flown, stepped, Panels);
    EXPECT_GT(step.count, 0) << "a step did not move the warrior";
    EXPECT_LT(std::max(step.box.Width(), step.box.Height()), 300) << "more than the warrior changed";
    EXPECT_EQ(ChangesWithin(stepped, "stepped-later", 1.0, Panels).count, 0) << "one step, then still again";

    // Still paused. The warrior's body is where hiding the mesh changes the picture below the
    // panels; the skeleton is where showing it on the bare scene does. Its lines, a pixel or two
    // wide, lie on the body: within 2 pixels of it.
    Click(fieldX, showMeshY);
    const FrameImage bare = CaptureStill("bare", Panels);
    Click(fieldX, showSkeletonY);
    const FrameImage skeleton = CaptureStill("skeleton", Panels);
    const Changes body = Compare(stepped, bare, Panels), bones = Compare(bare, skeleton, Panels);
    const auto onBody = [&](int x, int y) {
        return x >= 0 && y > BelowPanels && unsigned(x) < bare.width && unsigned(y) < bare.height &&
               Differs(stepped.At(unsigned(x), unsigned(y)), bare.At(unsigned(x), unsigned(y)));
    };
    int nearBody = 0;
    for (int y = bones.box.top; y <= bones.box.bottom; ++y) {
        for (int x = bones.box.left; x <= bones.box.right; ++x) {
            if (!Differs(skeleton.At(unsigned(x), unsigned(y)), bare.At(unsigned(x), unsigned(y)))) continue;
            bool near = false;
            for (int d = 0; d < 25 && !near; ++d) near = onBody(x + d % 5 - 2, y + d / 5 - 2);
            nearBody += near;
        }
    }
    ASSERT_GT(bones.count, 40) << "no skeleton drawn";
    EXPECT_GT(nearBody, 0.95 * bones.count) << "skeleton pixels off the body: " << bones.count - nearBody;
    EXPECT_GT(bones.box.Height(), body.box.Height() / 2) << "the skeleton does not span the body";
}

}  // namespace
}  // namespace EndToEnd
