// Property: the real demo, started in the folder the real vantor-import command wrote for a real
// character, shows that character walking the path, and the weapon at its arm moves as the arm
// swings. Judged by where pictures differ, never by exact pixels.
#include <cstdlib>
#include <filesystem>

#include "DemoFixture.h"

namespace EndToEnd {
namespace {

struct Character {
    const char* label;
    const char* file;
    const char* options;
};

class ImportedCharacterTest : public DemoFixture, public ::testing::WithParamInterface<Character> {
protected:
    std::string WorkingDirectory() override { return std::string(IMPORT_WORK_DIR "/demo/") + GetParam().label; }
    void SetUp() override {
        const std::string command = std::string(VANTOR_IMPORT_EXE " ") + GetParam().file + " " + GetParam().options +
                                    " --out " + WorkingDirectory() + "/resources";
        std::filesystem::remove_all(WorkingDirectory());
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        DemoFixture::SetUp();
    }
    // A picture differing from `before` outside the panel.
    TestSupport::FrameImage ChangeFrom(const TestSupport::FrameImage& before, const std::string& name)
    {
        return CaptureUntil(name, [&](const TestSupport::FrameImage& p) { return Compare(before, p, panel).count > 20; });
    }
};

bool Overlap(const Rect& a, const Rect& b)
{
    return !a.Empty() && !b.Empty() && a.left <= b.right && b.left <= a.right && a.top <= b.bottom &&
           b.top <= a.bottom;
}

TEST_P(ImportedCharacterTest, WalksThePathWithTheWeaponMovingWithItsArm)
{
    const TestSupport::FrameImage start = FindPanelEntries();
    ASSERT_GT(panel.Width(), 150) << "no tweak panel";
    ASSERT_GE(labelLines.size(), 5u) << "the title and four entries";
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
    SetPanelNumber(Speed, "0");
    SetPanelNumber(DeltaTime, "0");
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
    SetPanelNumber(DeltaTime, "0.007");
    const TestSupport::FrameImage playing = Capture("playing");
    const Changes swung = Compare(playing, ChangeFrom(playing, "swung"), panel);
    EXPECT_TRUE(Overlap(swung.box, weapon.box)) << "the weapon's place did not change as the arm moved";
    EXPECT_LT(swung.box.Width(), 250) << "the character should stand still";
}

INSTANTIATE_TEST_SUITE_P(
    DebianPackages, ImportedCharacterTest,
    ::testing::Values(Character{"Minetest", IMPORT_MINETEST, "--walk 168-187 --run 168-187 --hand Arm_Right"},
                      Character{"SimpleSkin", "/usr/share/assimp/models/glTF2/simple_skin/simple_skin.gltf", "--hand nodes[2]"},
                      Character{"Fbx", "/usr/share/assimp/models/FBX/animation_with_skeleton.fbx", "--hand Bone.006"}),
    [](const ::testing::TestParamInfo<Character>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace EndToEnd
