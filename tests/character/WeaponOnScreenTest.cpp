// What a user sees of the weapon: pressing C changes the picture at the warrior's hand, from
// the frame after the press. The character is held still (speed 0, clips frozen) so that only
// the weapon can change the picture.
#include <algorithm>
#include <cstdlib>

#include <RenderInterface/Renderer.h>

#include "OnScreenFixture.h"
#include "demo/Selectors.h"

namespace CharacterTest {
namespace {

constexpr int C = 6;

struct Changes {
    int count = 0;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// Pixels whose colour differs clearly between the two frames, and their bounding box.
Changes Compare(const TestSupport::FrameImage& a, const TestSupport::FrameImage& b)
{
    Changes changes;
    for (unsigned y = 0; y < a.height; ++y) {
        for (unsigned x = 0; x < a.width; ++x) {
            const TestSupport::Pixel p = a.At(x, y);
            const TestSupport::Pixel q = b.At(x, y);
            const int difference = std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            if (difference > 30) {
                ++changes.count;
                changes.left = std::min(changes.left, static_cast<int>(x));
                changes.right = std::max(changes.right, static_cast<int>(x));
                changes.top = std::min(changes.top, static_cast<int>(y));
                changes.bottom = std::max(changes.bottom, static_cast<int>(y));
            }
        }
    }
    return changes;
}

TEST_F(OnScreen, PressingCChangesTheWeaponAtTheHand)
{
    demo.character.speed = 0.0f;
    demo.character.deltaTime = 0.0f;
    weaponIndex = 0;
    Frame();
    const TestSupport::FrameImage sword = Frame();
    sword.WritePpm("character-weapon-sword.ppm");

    PressKey("c", C);
    const TestSupport::FrameImage pressed = UpdateAndRender();
    EXPECT_EQ(Compare(sword, pressed).count, 0) << "the weapon changed in the frame of the press";
    ReleaseKey("c", C);

    const TestSupport::FrameImage shield = UpdateAndRender();
    shield.WritePpm("character-weapon-shield.ppm");
    const Changes changes = Compare(sword, shield);
    ASSERT_GT(changes.count, 50) << "the picture did not change after C";

    // The grip, where both weapons are held, lies inside the changed region (with a margin).
    const Math::Matrix4& weapon = demo.character.weaponModel->GetWorldMatrix();
    const glm::vec2 grip = ToScreen(glm::vec3(weapon[3], weapon[7], weapon[11]));
    const int margin = 20;
    EXPECT_GE(grip.x, changes.left - margin);
    EXPECT_LE(grip.x, changes.right + margin);
    EXPECT_GE(grip.y, changes.top - margin);
    EXPECT_LE(grip.y, changes.bottom + margin);
    // And the change is local to the warrior, not the whole picture.
    EXPECT_LT(changes.right - changes.left, 300);
    EXPECT_LT(changes.bottom - changes.top, 300);
}

}  // namespace
}  // namespace CharacterTest
