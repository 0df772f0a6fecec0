// Movement: each held key moves the camera 0.8 units per frame along its own axis, keys add up,
// and the axes used are the ones this frame's yaw produced.
#include "CameraFixture.h"

namespace DemoTest {
namespace {

const glm::dvec3 StartPosition(-12.0, 120.0, 595.0);
constexpr double Step = 0.8;

struct KeyCase {
    const char* key;
    int scancode;
    glm::dvec3 direction;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& held) { return out << "key " << held.key; }

class CameraKeyTest : public CameraTest, public ::testing::WithParamInterface<KeyCase> {};

INSTANTIATE_TEST_SUITE_P(Keys, CameraKeyTest,
                         ::testing::Values(KeyCase{"w", 26, StartForward}, KeyCase{"s", 22, -StartForward},
                                           KeyCase{"a", 4, -StartRight}, KeyCase{"d", 7, StartRight},
                                           KeyCase{"e", 8, StartUp}, KeyCase{"q", 20, -StartUp}));

TEST_P(CameraKeyTest, HeldKeyMovesAStepPerFrameAlongItsAxis)
{
    const KeyCase held = GetParam();
    HoldKey(held.key, held.scancode);
    camera.Update();
    for (int frame = 1; frame < 5; ++frame) {
        Frame();
    }
    ExpectNear(camera.position, StartPosition + 5.0 * Step * held.direction, 2e-4);
    ExpectNear(camera.view->GetCamera().GetPosition(), StartPosition + 5.0 * Step * held.direction, 2e-4);
}

TEST_F(CameraTest, OppositeKeysCancel)
{
    const std::pair<const char*, int> keys[] = {{"w", 26}, {"s", 22}, {"a", 4}, {"d", 7}, {"e", 8}, {"q", 20}};
    for (const auto& [key, scancode] : keys) {
        HoldKey(key, scancode);
    }
    for (int frame = 0; frame < 5; ++frame) {
        Frame();
    }
    ExpectNear(camera.position, StartPosition, 2e-4);
}

TEST_F(CameraTest, MovesAlongTheForwardAxisOfThisFramesYaw)
{
    HoldRightButton();
    HoldKey("w", 26);
    PlacePointer(1000, 400);
    DragFrame(-375, 0);
    ExpectNear(camera.position, StartPosition + Step * Turned(StartForward, 1.575, WorldUp), 2e-4);
}

}  // namespace
}  // namespace DemoTest
