// Space and C step the clip and weapon selectors once per press; the weapon shown changes at the
// warrior's hand from the frame after the press.
#include <RenderInterface/Renderer.h>

#include "FrameDifference.h"
#include "OnScreenFixture.h"
#include "demo/Selectors.h"

namespace CharacterTest {
namespace {

constexpr int Space = 44;
constexpr int C = 6;

TEST_F(OnScreen, SpaceAndCStepTheSelectorsOncePerPress)
{
    const struct {
        const char* key;
        int scancode;
        int* selector;
        int from, to;
    } cases[] = {{"space", Space, &clipIndex, 5, 6},  {"space", Space, &clipIndex, 14, 4},
                 {"space", Space, &clipIndex, 0, 1},  {"c", C, &weaponIndex, 0, 1},
                 {"c", C, &weaponIndex, 3, 0}};
    for (const auto& c : cases) {
        *c.selector = c.from;
        PressKey(c.key, c.scancode);
        UpdateAndRender();
        Frame();  // still held: no further step
        EXPECT_EQ(*c.selector, c.to) << c.key << " from " << c.from;
        ReleaseKey(c.key, c.scancode);
    }
}

// The character is held still (speed 0, clips frozen) so that only the weapon can change the
// picture: C from "Sword" shows "Shield" from the next frame, around the projected grip.
TEST_F(OnScreen, PressingCChangesTheWeaponAtTheHandFromTheNextFrame)
{
    demo.character.speed = 0.0f;
    demo.character.deltaTime = 0.0f;
    Frame();
    const TestSupport::FrameImage sword = Frame();
    sword.WritePpm("character-weapon-sword.ppm");

    PressKey("c", C);
    EXPECT_EQ(Changed(sword, UpdateAndRender(), 30).count, 0) << "the weapon changed in the frame of the press";
    EXPECT_EQ(demo.character.weaponModel->GetModelName(), "Sword");
    ReleaseKey("c", C);

    const TestSupport::FrameImage shield = UpdateAndRender();
    shield.WritePpm("character-weapon-shield.ppm");
    EXPECT_EQ(demo.character.weaponModel->GetModelName(), "Shield");
    const PixelRegion changed = Changed(sword, shield, 30);
    ASSERT_GT(changed.count, 50) << "the picture did not change after C";
    const Math::Matrix4& weapon = demo.character.weaponModel->GetWorldMatrix();
    const glm::vec2 grip = ToScreen(glm::vec3(weapon[3], weapon[7], weapon[11]));
    const int margin = 20;
    EXPECT_TRUE(grip.x >= changed.left - margin && grip.x <= changed.right + margin);
    EXPECT_TRUE(grip.y >= changed.top - margin && grip.y <= changed.bottom + margin);
    EXPECT_LT(changed.right - changed.left, 300) << "more than the weapon changed";
    EXPECT_LT(changed.bottom - changed.top, 300) << "more than the weapon changed";
}

}  // namespace
}  // namespace CharacterTest
