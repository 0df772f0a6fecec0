// The warrior as the user changes it from the first panel, whose entries are found by their lines
// of text, in one run of the program. Properties, in the order the run checks them:
// - it travels along the red path, and with "Speed" 0 it stays where it stands (its clips are
//   held still first, "DeltaTime" 0, so any change between two pictures is travel);
// - while a panel field has the keyboard, keys are typed into it and drive nothing else: C keeps
//   the weapon, W keeps the camera, and the Escape that leaves the field, however quick, does not
//   end the program (the next Escape does, at TearDown);
// - choosing "Gun" in the "WeaponTypes" list puts the gun in the hand, the state the C key steps
//   through: one C tap from it, however quick, brings the sword back.
#include <algorithm>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

class WarriorTest : public DemoFixture {
protected:
    // The first picture that differs from `before` outside the panel.
    FrameImage CaptureChangeFrom(const FrameImage& before, const std::string& name) {
        return CaptureUntil(name, [&](const FrameImage& p) { return Compare(before, p, panel).count > 0; });
    }
    // The change is the warrior's alone: a small region standing on the floor.
    void ExpectChangeAtTheWarrior(const Changes& changes, int horizon) {
        EXPECT_GT(changes.count, 20) << "nothing changed at the warrior";
        EXPECT_LT(std::max(changes.box.Width(), changes.box.Height()), 250);
        EXPECT_GT(changes.box.bottom, horizon) << "the change is not down on the floor, where the warrior is";
    }
};

TEST_F(WarriorTest, TravelsStopsAndTakesTheGunFromThePanelButNotKeysTypedIntoIt) {
    const FrameImage start = FindPanelEntries();
    ASSERT_GT(panel.Width(), 150) << "no tweak panel at the top left";
    ASSERT_GE(labelLines.size(), 5u) << "the title and four entries";
    const int horizon = HorizonRow(start);

    SetPanelNumber(DeltaTime, "0");
    const FrameImage gliding = Capture("gliding-1");
    const Changes travelled = Compare(gliding, CaptureChangeFrom(gliding, "gliding-2"), panel);
    ExpectChangeAtTheWarrior(travelled, horizon);
    const Rect path = PathExtent(gliding);
    EXPECT_TRUE(travelled.box.left <= path.right && travelled.box.right >= path.left &&
                travelled.box.top <= path.bottom && travelled.box.bottom >= path.top)
        << "the warrior is not on the red path";

    SetPanelNumber(Speed, "0");
    const FrameImage sword = CaptureStill("stopped", panel);
    const Changes moved = ChangesWithin(sword, "stopped-later", 2.0, panel);
    EXPECT_EQ(moved.count, 0) << "the warrior moved on with Speed 0, at (" << moved.box.left << ", " << moved.box.top << ")";

    Click(valueX, Row(DeltaTime));
    TestSupport::XdoTool("key c");
    Tap("c");
    Tap("w");
    TestSupport::XdoTool("key Escape");
    User().MovePointer(window.Width() / 2, window.Height() * 3 / 8);
    const Changes typed = ChangesWithin(sword, "typed-into-field", 1.0, panel);
    EXPECT_EQ(typed.count, 0) << "keys typed into a field changed the scene at (" << typed.box.left << ", " << typed.box.top << ")";

    Click(valueX, Row(WeaponTypes));
    // The list opens under the field: its items are the next lines of text in the value column.
    const auto listItems = [&](const FrameImage& p) {
        return TextLines(p, Rect{valueX - 40, Row(WeaponTypes) + 6, valueX + 40, int(p.height) - 1});
    };
    const std::vector<int> items = listItems(CaptureUntil("list-open", [&](const FrameImage& p) { return listItems(p).size() >= 4; }));
    ASSERT_GE(items.size(), 4u) << "Sword, Shield, Human, Gun";
    Click(valueX, items[3]);
    User().MovePointer(window.Width() / 2, window.Height() * 3 / 8);
    const FrameImage gun = CaptureChangeFrom(sword, "panel-gun");
    ExpectChangeAtTheWarrior(Compare(sword, gun, panel), horizon);

    TestSupport::XdoTool("key c");  // a tap quicker than a frame counts too
    const FrameImage again = CaptureChangeFrom(gun, "gun-then-c");
    EXPECT_EQ(Compare(sword, again, panel).count, 0) << "C from the gun wraps round to the sword";
}

}  // namespace
}  // namespace EndToEnd
