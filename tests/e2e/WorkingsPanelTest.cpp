// The "Inspector" panel worked with the mouse as a person would, in one run of the program.
// Properties: pausing holds the warrior still while W still flies the camera, and a step moves
// only the warrior; the skeleton the inspector draws lies on the warrior's body.
#include <algorithm>
#include <vector>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

// Both panels end above the floor's far edge; the scene below holds the path and the warrior.
constexpr int BelowPanels = 480;
const Rect Panels{0, 0, 1399, BelowPanels};

// The inspector's rows are found by their lines of text, so a change of font or spacing moves the
// clicks too; its values lie in the column of 170-pixel fields at its right.
class InspectorTest : public DemoFixture {
protected:
    void SetUp() override {
        DemoFixture::SetUp();
        if (HasFailure()) return;
        // Folded to its title at the top-right corner; the arrow that opens it starts the title.
        const TestSupport::FrameImage start = CaptureUntil("start", [](const TestSupport::FrameImage& p) {
            return PathExtent(p).Width() > 600 && FindRightPanel(p).left > int(p.width) / 2;
        });
        const Rect folded = FindRightPanel(start);
        const std::vector<int> title = TextLines(start, folded);
        ASSERT_FALSE(title.empty()) << "no inspector at the top right";
        Click(folded.left + 10, title[0]);
        const TestSupport::FrameImage open = CaptureUntil(
            "open", [&](const TestSupport::FrameImage& p) { return FindRightPanel(p).Width() > folded.Width() + 100; });
        const Rect inspector = FindRightPanel(open);
        valueX = inspector.right - 170;
        const std::vector<int> lines = TextLines(open, Rect{inspector.left + 2, inspector.top, inspector.left + 60, inspector.bottom});
        ASSERT_GE(lines.size(), 5u) << "the title, Show skeleton, Show mesh, Pause, Slow motion";
        showSkeletonY = lines[1], showMeshY = lines[2], pauseY = lines[3];
        stepY = (lines[3] + lines[4]) / 2;  // the Step button carries its name on itself, in the value column
    }

    int valueX = 0, showSkeletonY = 0, showMeshY = 0, pauseY = 0, stepY = 0;
};

// Where two pictures of the scene below the panels differ.
std::vector<bool> Mask(const TestSupport::FrameImage& a, const TestSupport::FrameImage& b) {
    std::vector<bool> mask(a.width * a.height, false);
    for (unsigned i = (BelowPanels + 1) * a.width; i < mask.size(); ++i) {
        mask[i] = Differs(a.At(i % a.width, i / a.width), b.At(i % a.width, i / a.width));
    }
    return mask;
}

TEST_F(InspectorTest, PauseHoldsTheWarriorAStepMovesItAndItsSkeletonLiesOnItsBody) {
    Click(valueX, pauseY);
    const TestSupport::FrameImage paused = CaptureStill("paused", Panels);
    EXPECT_EQ(ChangesWithin(paused, "paused-later", 1.0, Panels).count, 0) << "the warrior moved while paused";

    const int pathWidth = PathExtent(paused).Width();
    User().PressKey("w");
    CaptureUntil("holding-w", [&](const TestSupport::FrameImage& p) { return PathExtent(p).Width() > pathWidth + 40; });
    User().ReleaseKey("w");
    const TestSupport::FrameImage flown = CaptureStill("flown", Panels);
    EXPECT_GT(PathExtent(flown).Width(), pathWidth + 40) << "W did not fly the camera while paused";

    Click(valueX, stepY);
    const TestSupport::FrameImage stepped = CaptureUntil(
        "stepped", [&](const TestSupport::FrameImage& p) { return Compare(flown, p, Panels).count > 0; });
    const Changes step = Compare(flown, stepped, Panels);
    EXPECT_GT(step.count, 0) << "a step did not move the warrior";
    EXPECT_LT(std::max(step.box.Width(), step.box.Height()), 300) << "more than the warrior changed";
    EXPECT_EQ(ChangesWithin(stepped, "stepped-later", 1.0, Panels).count, 0) << "one step, then still again";

    // Still paused. The warrior's silhouette is where hiding the mesh changes the picture; the
    // skeleton is where showing it on the bare scene does. Its lines, a pixel or two wide, lie on
    // the body.
    const TestSupport::FrameImage& mesh = stepped;
    Click(valueX, showMeshY);
    const TestSupport::FrameImage bare = CaptureStill("bare", Panels);
    Click(valueX, showSkeletonY);
    const std::vector<bool> body = Mask(mesh, bare);
    const std::vector<bool> bones = Mask(CaptureStill("skeleton", Panels), bare);

    const int width = int(mesh.width);
    const auto nearBody = [&](int i) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int j = i + dy * width + dx;
                if (j >= 0 && j < int(body.size()) && body[size_t(j)]) return true;
            }
        }
        return false;
    };
    int bonePixels = 0, inside = 0;
    Rect bodyBox, boneBox;
    for (int i = 0; i < int(body.size()); ++i) {
        if (body[size_t(i)]) bodyBox.Add(i % width, i / width);
        if (bones[size_t(i)]) boneBox.Add(i % width, i / width), ++bonePixels, inside += nearBody(i);
    }
    ASSERT_GT(bonePixels, 40) << "no skeleton drawn";
    EXPECT_GT(inside, 0.95 * bonePixels) << "skeleton pixels off the body: " << bonePixels - inside;
    EXPECT_GT(boneBox.Height(), bodyBox.Height() / 2) << "the skeleton does not span the body";
}

}  // namespace
}  // namespace EndToEnd
