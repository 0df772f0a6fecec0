// The warrior as the user changes it: the C key and the panel's "WeaponTypes" list put another
// weapon in its hand, and "Speed" 0 on the panel stops it where it stands.
#include <chrono>
#include <thread>

#include "DemoFixture.h"
#include "PanelLayout.h"

namespace EndToEnd {
namespace {

using namespace std::chrono_literals;
namespace Layout = PanelLayout;

class WarriorTest : public DemoFixture {
protected:
    void SetUp() override {
        DemoFixture::SetUp();
        if (HasFailure()) {
            return;
        }
        start = CaptureUntil("start", [](const TestSupport::FrameImage& p) {
            return HorizonRow(p) > 0 && FindPanel(p).Width() > 150;
        });
        panel = FindPanel(start);
        ASSERT_GT(panel.Width(), 150) << "no tweak panel at the top left";
        // The panel's own look (hover, focus, the values shown) is not what these tests judge.
        panel.right += 8;
        panel.bottom += 8;
        horizon = HorizonRow(start);
    }

    // Types a value into one of the panel's number fields, then takes the pointer back to the scene.
    void SetPanelNumber(int rowY, const char* value) {
        Click(Layout::ValueX, rowY);
        Type(value);
        User().MovePointer(Layout::RestX, Layout::RestY);
    }

    // Stops the warrior and its clips ("Speed" and "DeltaTime" 0), so that only what the test
    // changes can change the picture; returns a picture of the still scene.
    TestSupport::FrameImage FreezeWarrior() {
        SetPanelNumber(Layout::SpeedY, "0");
        SetPanelNumber(Layout::DeltaTimeY, "0");
        TestSupport::FrameImage previous = Capture("freezing");
        return CaptureUntil("frozen", [&](const TestSupport::FrameImage& p) {
            const bool still = Compare(previous, p, panel).count == 0;
            previous = p;
            return still;
        });
    }

    // The first picture that differs from `before` outside the panel.
    TestSupport::FrameImage CaptureChangeFrom(const TestSupport::FrameImage& before, const std::string& name) {
        return CaptureUntil(name, [&](const TestSupport::FrameImage& p) { return Compare(before, p, panel).count > 0; });
    }

    // The change is the warrior's alone: a small region standing on the floor.
    void ExpectChangeAtTheWarrior(const Changes& changes) {
        EXPECT_GT(changes.count, 30) << "the weapon did not change the picture";
        EXPECT_LT(changes.box.Width(), 250);
        EXPECT_LT(changes.box.Height(), 250);
        EXPECT_GT(changes.box.bottom, horizon) << "the change is not down on the floor, where the warrior is";
    }

    TestSupport::FrameImage start;
    Rect panel;
    int horizon = -1;
};

// Property: C steps the weapon in the warrior's hand, from the next frame, through Sword, Shield,
// Human and Gun and round to Sword again; each tap counts, however quick (xdotool's press and
// release come well within one frame).
TEST_F(WarriorTest, CKeyStepsTheWeaponInTheHandAndWrapsRound) {
    const TestSupport::FrameImage sword = FreezeWarrior();
    const auto quickTap = [] { TestSupport::XdoTool("key c"); };

    quickTap();
    const TestSupport::FrameImage shield = CaptureChangeFrom(sword, "after-c-shield");
    ExpectChangeAtTheWarrior(Compare(sword, shield, panel));

    quickTap();
    const TestSupport::FrameImage human = CaptureChangeFrom(shield, "after-c-human");
    ExpectChangeAtTheWarrior(Compare(shield, human, panel));
    quickTap();
    const TestSupport::FrameImage gun = CaptureChangeFrom(human, "after-c-gun");
    ExpectChangeAtTheWarrior(Compare(human, gun, panel));
    quickTap();
    const TestSupport::FrameImage again = CaptureChangeFrom(gun, "after-c-sword");
    EXPECT_EQ(Compare(sword, again, panel).count, 0) << "four presses bring the sword back";
}

// Property: while a panel field has the keyboard, keys are typed into it and drive nothing else:
// C keeps the weapon, W keeps the camera, and the Escape that leaves the field, however quick,
// does not end the program; the next Escape does (TearDown).
TEST_F(WarriorTest, KeysTypedIntoAPanelFieldDoNotDriveTheDemo) {
    const TestSupport::FrameImage still = FreezeWarrior();
    Click(Layout::ValueX, Layout::DeltaTimeY);
    TestSupport::XdoTool("key c");
    Tap("c");
    Tap("w");
    TestSupport::XdoTool("key Escape");
    User().MovePointer(Layout::RestX, Layout::RestY);
    std::this_thread::sleep_for(500ms);
    const Changes changes = Compare(still, Capture("typed-into-field"), panel);
    EXPECT_EQ(changes.count, 0) << "the scene changed within " << changes.box.Width() << "x" << changes.box.Height();
}

// Property: choosing "Gun" in the panel's "WeaponTypes" list with the mouse puts the gun in the
// hand, the same state the C key steps through: one C press from it brings the sword back.
TEST_F(WarriorTest, ChoosingGunOnThePanelPutsTheGunInTheHand) {
    const TestSupport::FrameImage sword = FreezeWarrior();

    Click(Layout::ValueX, Layout::WeaponTypesY);
    Capture("list-open");
    Click(Layout::WeaponListX, Layout::WeaponListItemY(3));
    User().MovePointer(Layout::RestX, Layout::RestY);
    const TestSupport::FrameImage gun = CaptureChangeFrom(sword, "panel-gun");
    ExpectChangeAtTheWarrior(Compare(sword, gun, panel));

    Tap("c");
    const TestSupport::FrameImage again = CaptureChangeFrom(gun, "gun-then-c");
    EXPECT_EQ(Compare(sword, again, panel).count, 0) << "C from the gun wraps round to the sword";
}

// Property: with "Speed" 0 the warrior stays where it stands. Its clips are held still first
// ("DeltaTime" 0), so that any change between two pictures is travel: there is some before, and
// none in two seconds after.
TEST_F(WarriorTest, SpeedZeroOnThePanelStopsTheWarrior) {
    SetPanelNumber(Layout::DeltaTimeY, "0");
    const TestSupport::FrameImage gliding1 = Capture("gliding-1");
    std::this_thread::sleep_for(2s);
    const TestSupport::FrameImage gliding2 = CaptureUntil("gliding-2", [&](const TestSupport::FrameImage& p) {
        return Compare(gliding1, p, panel).count > 20;
    });
    const Changes travelled = Compare(gliding1, gliding2, panel);
    EXPECT_GT(travelled.count, 20) << "before, the warrior travelled";
    EXPECT_GT(travelled.box.bottom, horizon) << "on the floor";

    SetPanelNumber(Layout::SpeedY, "0");
    std::this_thread::sleep_for(500ms);
    const TestSupport::FrameImage stopped1 = Capture("stopped-1");
    std::this_thread::sleep_for(2s);
    const TestSupport::FrameImage stopped2 = Capture("stopped-2");
    const Changes moved = Compare(stopped1, stopped2, panel);
    EXPECT_EQ(moved.count, 0) << "the warrior moved on with Speed 0, within " << moved.box.Width() << "x"
                              << moved.box.Height() << " pixels at (" << moved.box.left << ", " << moved.box.top << ")";
}

}  // namespace
}  // namespace EndToEnd
