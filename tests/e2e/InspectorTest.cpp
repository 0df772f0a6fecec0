// The "Inspector" panel worked with the mouse as a person would. Properties: pausing holds the
// warrior still while W still flies the camera, and a step moves only the warrior; the skeleton
// the inspector draws lies on the warrior's body.
#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

using namespace std::chrono_literals;

// The inspector in the 1400 x 800 window: folded to its title at the top-right corner, its arrow at
// x = 1297; open, one row per entry 23 pixels apart, values in a column from x = 1213.
constexpr int OpenX = 1297, OpenY = 19, ValueX = 1221;
constexpr int ShowSkeletonY = 46, ShowMeshY = 69, PauseY = 92, StepY = 115;
// Both panels end above the floor's far edge; the scene below holds the path and the warrior.
constexpr int BelowPanels = 480;
const Rect Panels{0, 0, 1399, BelowPanels};

class InspectorTest : public DemoFixture {
protected:
    void SetUp() override {
        DemoFixture::SetUp();
        if (!HasFailure()) {
            CaptureUntil("start", [](const TestSupport::FrameImage& p) { return PathExtent(p).Width() > 600; });
            Click(OpenX, OpenY);
            CaptureUntil("open", [](const TestSupport::FrameImage& p) { return !IsSky(Patch(p, 1100, 300)); });
        }
    }

    // A picture of the scene once it has stopped changing below the panels.
    TestSupport::FrameImage CaptureStill(const std::string& name) {
        TestSupport::FrameImage previous = Capture(name + "-settling");
        return CaptureUntil(name, [&](const TestSupport::FrameImage& p) {
            return Compare(std::exchange(previous, p), p, Panels).count == 0;
        });
    }
};

TEST_F(InspectorTest, PauseHoldsTheWarriorWhileWFliesTheCameraAndAStepMovesOnlyTheWarrior) {
    Click(ValueX, PauseY);
    const TestSupport::FrameImage paused = CaptureStill("paused");
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(Compare(paused, Capture("paused-later"), Panels).count, 0) << "the warrior moved while paused";

    const int pathWidth = PathExtent(paused).Width();
    User().PressKey("w");
    CaptureUntil("holding-w", [&](const TestSupport::FrameImage& p) { return PathExtent(p).Width() > pathWidth + 40; });
    User().ReleaseKey("w");
    const TestSupport::FrameImage flown = CaptureStill("flown");
    EXPECT_GT(PathExtent(flown).Width(), pathWidth + 40) << "W did not fly the camera while paused";

    Click(ValueX, StepY);
    const TestSupport::FrameImage stepped = CaptureUntil(
        "stepped", [&](const TestSupport::FrameImage& p) { return Compare(flown, p, Panels).count > 0; });
    const Changes step = Compare(flown, stepped, Panels);
    EXPECT_GT(step.count, 0) << "a step did not move the warrior";
    EXPECT_LT(std::max(step.box.Width(), step.box.Height()), 300) << "more than the warrior changed";
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(Compare(stepped, Capture("stepped-later"), Panels).count, 0) << "one step, then still again";
}

// Where two pictures of the scene below the panels differ.
std::vector<bool> Mask(const TestSupport::FrameImage& a, const TestSupport::FrameImage& b) {
    std::vector<bool> mask(a.width * a.height, false);
    for (unsigned i = (BelowPanels + 1) * a.width; i < mask.size(); ++i) {
        mask[i] = Differs(a.At(i % a.width, i / a.width), b.At(i % a.width, i / a.width));
    }
    return mask;
}

// The warrior's silhouette is where hiding the mesh changes the picture; the skeleton is where
// showing it on the bare scene does. Its lines, a pixel or two wide, lie on the body.
TEST_F(InspectorTest, SkeletonLinesLieInsideTheWarriorsSilhouette) {
    Click(ValueX, PauseY);
    const TestSupport::FrameImage mesh = CaptureStill("mesh");
    Click(ValueX, ShowMeshY);
    const TestSupport::FrameImage bare = CaptureStill("bare");
    Click(ValueX, ShowSkeletonY);
    const std::vector<bool> body = Mask(mesh, bare);
    const std::vector<bool> bones = Mask(CaptureStill("skeleton"), bare);

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
