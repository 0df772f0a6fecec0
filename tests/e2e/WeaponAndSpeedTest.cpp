// The warrior as the user changes it from the first panel, whose entries are found by their lines
// of text: the "WeaponTypes" list and the C key put another weapon in its hand, "Speed" 0 stops it.
#include <algorithm>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

using TestSupport::FrameImage;

class WarriorTest : public DemoFixture {
protected:
    void SetUp() override {
        DemoFixture::SetUp();
        if (HasFailure()) {
            return;
        }
        start = FindPanelEntries();
        ASSERT_GT(panel.Width(), 150) << "no tweak panel at the top left";
        ASSERT_GE(labelLines.size(), 5u) << "the title and four entries";
        horizon = HorizonRow(start);
    }

    // Stops the warrior and its clips ("Speed" and "DeltaTime" 0), so that only what the test
    // changes can change the picture; returns a picture of the still scene.
    FrameImage FreezeWarrior() {
        SetPanelNumber(Speed, "0");
        SetPanelNumber(DeltaTime, "0");
        return CaptureStill("frozen", panel);
    }

    // The first picture that differs from `before` outside the panel.
    FrameImage CaptureChangeFrom(const FrameImage& before, const std::string& name) {
        return CaptureUntil(name, [&](const FrameImage& p) { return Compare(before, p, panel).count > 0; });
    }

    // The change is the warrior's alone: a small region standing on the floor.
    void ExpectChangeAtTheWarrior(const Changes& changes) {
        EXPECT_GT(changes.count, 20) << "nothing changed at the warrior";
        EXPECT_LT(std::max(changes.box.Width(), changes.box.Height()), 250);
        EXPECT_GT(changes.box.bottom, horizon) << "the change is not down on the floor, where the warrior is";
    }

    FrameImage start;
    int horizon = -1;
};

// Property: while a panel field has the keyboard, keys are typed into it and drive nothing else:
// C keeps the weapon, W keeps the camera, and the Escape that leaves the field, however quick,
// does not end the program; the next Escape does (TearDown).
TEST_F(WarriorTest, KeysTypedIntoAPanelFieldDoNotDriveTheDemo) {
    const FrameImage still = FreezeWarrior();
    Click(valueX, Row(DeltaTime));
    TestSupport::XdoTool("key c");
    Tap("c");
    Tap("w");
    TestSupport::XdoTool("key Escape");
    User().MovePointer(int(start.width) / 2, int(start.height) * 3 / 8);
    const Changes changes = ChangesWithin(still, "typed-into-field", 1.0, panel);
    EXPECT_EQ(changes.count, 0) << "the scene changed within " << changes.box.Width() << "x" << changes.box.Height();
}

// Property: choosing "Gun" in the panel's "WeaponTypes" list with the mouse puts the gun in the
// hand, the same state the C key steps through: one C tap from it, however quick, brings the
// sword back.
TEST_F(WarriorTest, ChoosingGunOnThePanelPutsTheGunInTheHand) {
    const FrameImage sword = FreezeWarrior();

    Click(valueX, Row(WeaponTypes));
    // The list opens under the field: its items are the next lines of text in the value column.
    const auto listItems = [&](const FrameImage& p) {
        return TextLines(p, Rect{valueX - 40, Row(WeaponTypes) + 6, valueX + 40, int(p.height) - 1});
    };
    const std::vector<int> items = listItems(CaptureUntil("list-open", [&](const FrameImage& p) { return listItems(p).size() >= 4; }));
    ASSERT_GE(items.size(), 4u) << "Sword, Shield, Human, Gun";
    Click(valueX, items[3]);
    User().MovePointer(int(start.width) / 2, int(start.height) * 3 / 8);
    const FrameImage gun = CaptureChangeFrom(sword, "panel-gun");
    ExpectChangeAtTheWarrior(Compare(sword, gun, panel));

    TestSupport::XdoTool("key c");  // a tap quicker than a frame counts too
    const FrameImage again = CaptureChangeFrom(gun, "gun-then-c");
    EXPECT_EQ(Compare(sword, again, panel).count, 0) << "C from the gun wraps round to the sword";
}

// Property: the warrior travels along the red path, and with "Speed" 0 it stays where it stands.
// Its clips are held still first ("DeltaTime" 0), so that any change between two pictures is travel.
TEST_F(WarriorTest, WarriorTravelsAlongThePathAndSpeedZeroStopsIt) {
    SetPanelNumber(DeltaTime, "0");
    const FrameImage gliding = Capture("gliding-1");
    const Changes travelled = Compare(gliding, CaptureChangeFrom(gliding, "gliding-2"), panel);
    ExpectChangeAtTheWarrior(travelled);
    const Rect path = PathExtent(gliding);
    EXPECT_TRUE(travelled.box.left <= path.right && travelled.box.right >= path.left &&
                travelled.box.top <= path.bottom && travelled.box.bottom >= path.top)
        << "the warrior is not on the red path";

    SetPanelNumber(Speed, "0");
    const Changes moved = ChangesWithin(CaptureStill("stopped", panel), "stopped-later", 2.0, panel);
    EXPECT_EQ(moved.count, 0) << "the warrior moved on with Speed 0, within " << moved.box.Width() << "x"
                              << moved.box.Height() << " pixels at (" << moved.box.left << ", " << moved.box.top << ")";
}

}  // namespace
}  // namespace EndToEnd
