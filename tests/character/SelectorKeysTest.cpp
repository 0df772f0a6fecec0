// Space and C step the clip and weapon selectors, once per press; the weapon shown follows the
// selector from the frame after the press.
#include <RenderInterface/Renderer.h>

#include "OnScreenFixture.h"
#include "demo/Selectors.h"

namespace CharacterTest {
namespace {

constexpr int Space = 44;
constexpr int C = 6;

TEST_F(OnScreen, SpaceStepsTheClipAndWrapsToRun)
{
    for (const auto& [from, to] : {std::pair{5, 6}, std::pair{14, 4}, std::pair{0, 1}}) {
        clipIndex = from;
        PressKey("space", Space);
        UpdateAndRender();
        EXPECT_EQ(clipIndex, to) << "from " << from;
        ReleaseKey("space", Space);
    }
}

TEST_F(OnScreen, CStepsTheWeaponAndWrapsToTheSword)
{
    for (const auto& [from, to] : {std::pair{0, 1}, std::pair{3, 0}}) {
        weaponIndex = from;
        PressKey("c", C);
        UpdateAndRender();
        EXPECT_EQ(weaponIndex, to) << "from " << from;
        ReleaseKey("c", C);
    }
}

TEST_F(OnScreen, HeldKeyStepsOnlyOnce)
{
    weaponIndex = 0;
    PressKey("c", C);
    UpdateAndRender();
    for (int frame = 0; frame < 5; ++frame) {
        Frame();
    }
    EXPECT_EQ(weaponIndex, 1);
    ReleaseKey("c", C);
}

TEST_F(OnScreen, NewWeaponIsNamedFromTheFrameAfterThePress)
{
    weaponIndex = 3;
    Frame();
    PressKey("c", C);
    UpdateAndRender();
    EXPECT_EQ(weaponIndex, 0);
    EXPECT_EQ(demo.character.weaponModel->GetModelName(), "Gun");
    ReleaseKey("c", C);
    UpdateAndRender();
    EXPECT_EQ(demo.character.weaponModel->GetModelName(), "Sword");
}

}  // namespace
}  // namespace CharacterTest
