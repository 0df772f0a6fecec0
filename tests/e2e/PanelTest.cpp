// A character nobody on this project made (the Minetest player from a Debian package), imported by
// the real vantor-import command, as the user changes it from the first panel, in one run of the
// program. Properties, in the order the run checks them:
// - it travels along the red path, and with "Speed" 0 it stays where it stands (its clips are
//   held still first, "DeltaTime" 0, so any change between two pictures is travel);
// - while a panel field has the keyboard, keys are typed into it and drive nothing else: C keeps
//   the weapon, W keeps the camera, and the Escape that leaves the field, however quick, does not
//   end the program (the next Escape does, at TearDown);
// - choosing "Gun" in the "WeaponTypes" list puts the gun in the hand, the state the C key steps
//   through: one C tap from it, however quick, brings the sword back;
// - standing, with its clip playing again, it swings its arm, and the weapon's place changes.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

class PanelTest : public DemoFixture {
protected:
    std::string WorkingDirectory() override {
        const std::string folder = E2E_OUTPUT_DIR "/imported-character";
        const std::string command = VANTOR_IMPORT_EXE " " IMPORTED_CHARACTER
                                    " --walk 168-187 --run 168-187 --hand Arm_Right --out " + folder + "/resources";
        std::filesystem::remove_all(folder);
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return folder;
    }

    // The first panel's number and list entries, top to bottom below its title.
    enum Entry { AnimationClips, WeaponTypes, DeltaTime, Speed };
    int Row(Entry entry) const { return labelLines.at(1 + entry); }
    void PointAtTheScene() { User().MovePointer(scene.first, scene.second); }
    // Types a value into one of the panel's number fields, then takes the pointer back to the scene.
    void SetPanelNumber(Entry entry, const char* value) {
        Click(valueX, Row(entry));
        Tap("ctrl+a");
        TestSupport::XdoTool("type --delay 150 '" + std::string(value) + "'");
        Tap("Return");
        PointAtTheScene();
    }
    // The change is the character's alone: a small region standing on the floor.
    void ExpectChangeAtTheCharacter(const Changes& changes, int horizon) {
        EXPECT_GT(changes.count, 20) << "nothing changed at the character";
        EXPECT_LT(std::max(changes.box.Width(), changes.box.Height()), 250);
        EXPECT_GT(changes.box.bottom, horizon) << "the change is not down on the floor, where the character is";
    }

    Rect panel;      // the first panel, with a margin for its own hover and focus looks
    int valueX = 0;  // a point inside the entries' value fields
    std::vector<int> labelLines;
    std::pair<int, int> scene;  // a point in the scene, clear of the panels and the character
};

TEST_F(PanelTest, TravelsStopsTakesTheGunFromThePanelButNotKeysTypedIntoItAndSwingsItsArm) {
    // The panel's entries are found by their lines of text, so a change of font or spacing moves
    // the clicks too.
    const FrameImage start = CaptureUntil("start", [](const FrameImage& p) { return HorizonRow(p) > 0 && FindPanel(p).Width() > 150; });
    panel = FindPanel(start);
    ASSERT_GT(panel.Width(), 150) << "no tweak panel at the top left";
    scene = {int(start.width) / 2, int(start.height) * 3 / 8};
    // A third of the way into the 170-pixel value fields, which end at the panel's right padding:
    // clear of the step buttons at their right end.
    valueX = panel.right - 8 - 170 * 2 / 3;
    labelLines = TextLines(start, Rect{panel.left + 2, panel.top, valueX - 60, panel.bottom});
    // The panel's own look (hover, focus, the values shown) is not what the test judges.
    panel.right += 8;
    panel.bottom += 8;
    ASSERT_GE(labelLines.size(), 5u) << "the title and four entries";
    const int horizon = HorizonRow(start);

    SetPanelNumber(DeltaTime, "0");
    const FrameImage gliding = Capture("gliding-1");
    const Changes travelled = Compare(gliding, CaptureChange(gliding, "gliding-2", panel), panel);
    ExpectChangeAtTheCharacter(travelled, horizon);
    EXPECT_TRUE(travelled.box.Overlaps(PathExtent(gliding))) << "the character is not on the red path";

    SetPanelNumber(Speed, "0");
    const FrameImage sword = CaptureStill("stopped", panel);
    const Changes moved = ChangesWithin(sword, "stopped-later", 2.0, panel);
    EXPECT_EQ(moved.count, 0) << "the character moved on with Speed 0, at (" << moved.box.left << ", " << moved.box.top << ")";

    Click(valueX, Row(DeltaTime));
    TestSupport::XdoTool("key c");
    Tap("c");
    Tap("w");
    TestSupport::XdoTool("key Escape");
    PointAtTheScene();
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
    PointAtTheScene();
    const FrameImage gun = CaptureChange(sword, "panel-gun", panel);
    const Changes weapon = Compare(sword, gun, panel);
    ExpectChangeAtTheCharacter(weapon, horizon);

    TestSupport::XdoTool("key c");  // a tap quicker than a frame counts too
    const FrameImage again = CaptureChange(gun, "gun-then-c", panel);
    EXPECT_EQ(Compare(sword, again, panel).count, 0) << "C from the gun wraps round to the sword";

    SetPanelNumber(DeltaTime, "0.007");
    const FrameImage playing = Capture("playing");
    const Changes swung = Compare(playing, CaptureChange(playing, "swung", panel), panel);
    EXPECT_TRUE(swung.box.Overlaps(weapon.box)) << "the weapon's place did not change as the arm moved";
    EXPECT_LT(swung.box.Width(), 250) << "the character should stand still";
}

}  // namespace
}  // namespace EndToEnd
