// Property: the real demo, started in the folder vantor-import wrote for the minetest character,
// shows that character walking the path, and the weapon at its arm moves as the arm swings.
// Judged by where pictures differ, never by exact pixels.
#include "DemoFixture.h"
#include "PanelLayout.h"

namespace EndToEnd {
namespace {

namespace Layout = PanelLayout;

class ImportedCharacterTest : public DemoFixture {
protected:
    // A picture differing from `before` outside the panel.
    TestSupport::FrameImage ChangeFrom(const TestSupport::FrameImage& before, const std::string& name)
    {
        return CaptureUntil(name, [&](const TestSupport::FrameImage& p) { return Compare(before, p, panel).count > 20; });
    }
    void SetPanelNumber(int rowY, const char* value)
    {
        Click(Layout::ValueX, rowY);
        Type(value);
        User().MovePointer(Layout::RestX, Layout::RestY);
    }

    Rect panel;
};

bool Overlap(const Rect& a, const Rect& b)
{
    return !a.Empty() && !b.Empty() && a.left <= b.right && b.left <= a.right && a.top <= b.bottom &&
           b.top <= a.bottom;
}

TEST_F(ImportedCharacterTest, WalksThePathWithTheWeaponMovingWithItsArm)
{
    const TestSupport::FrameImage start = CaptureUntil("start", [](const TestSupport::FrameImage& p) {
        return HorizonRow(p) > 0 && FindPanel(p).Width() > 150 && !PathExtent(p).Empty();
    });
    panel = FindPanel(start);
    ASSERT_GT(panel.Width(), 150) << "no tweak panel";
    panel.right += 8;
    panel.bottom += 8;
    const int horizon = HorizonRow(start);
    const Rect path = PathExtent(start);
    ASSERT_FALSE(path.Empty()) << "no path drawn";

    // Walking: the character alone changes the picture, on the floor within the path's reach.
    const Changes walked = Compare(start, ChangeFrom(start, "walked"), panel);
    EXPECT_GT(walked.count, 20);
    EXPECT_GT(walked.box.bottom, horizon);
    EXPECT_LT(walked.box.Width(), path.Width()) << "more than the character changed";
    EXPECT_TRUE(Overlap(walked.box, path)) << "the change is away from the path";

    // The weapon: held still (no travel, no clip time), the sword turned into the shield shows
    // where the weapon is, at the character.
    SetPanelNumber(Layout::SpeedY, "0");
    SetPanelNumber(Layout::DeltaTimeY, "0");
    TestSupport::FrameImage previous = Capture("freezing");
    const TestSupport::FrameImage sword = CaptureUntil("frozen", [&](const TestSupport::FrameImage& p) {
        const bool still = Compare(previous, p, panel).count == 0;
        previous = p;
        return still;
    });
    Tap("c");
    const TestSupport::FrameImage shield = ChangeFrom(sword, "shield");
    const Changes weapon = Compare(sword, shield, panel);
    EXPECT_GT(weapon.count, 20) << "no weapon at the character";
    EXPECT_GT(weapon.box.bottom, horizon);
    EXPECT_LT(weapon.box.Width(), 250);

    // The clip playing again with the character standing: the arm swings and the pixels where the
    // weapon was change with it.
    SetPanelNumber(Layout::DeltaTimeY, "0.007");
    const TestSupport::FrameImage playing = Capture("playing");
    const Changes swung = Compare(playing, ChangeFrom(playing, "swung"), panel);
    EXPECT_TRUE(Overlap(swung.box, weapon.box)) << "the weapon's place did not change as the arm moved";
    EXPECT_LT(swung.box.Width(), 250) << "the character should stand still";
}

}  // namespace
}  // namespace EndToEnd
