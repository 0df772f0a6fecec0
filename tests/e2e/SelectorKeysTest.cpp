// The demo with its warrior on a real 1400 x 800 X11 window (under Xvfb), real keys through
// xdotool, one frame at a time as the main loop runs it: Space and C step the clip and weapon
// selectors once per press, and the weapon shown changes at the hand from the next frame.
#include <optional>

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/XSession.h>

#include "Pictures.h"
#include "demo/AnimationDemo.h"
#include "character/Selectors.h"
#include "util/Input.h"

namespace {

namespace Input = Util::Input;
using EndToEnd::Compare;

TEST(OnScreen, SpaceAndCStepTheSelectorsAndTheWeaponShowsFromTheNextFrame)
{
    TestSupport::OffscreenRenderer screen(1400, 800, {}, true);
    ASSERT_TRUE(screen);
    Input::Initialize();
    std::optional<TestSupport::XUser> user(std::in_place, TestSupport::X11WindowId(screen.Window()));
    ASSERT_TRUE(TestSupport::PumpUntil(Input::Update, [&] { return SDL_GetKeyboardFocus() == screen.Window(); }));
    AnimationDemo demo;
    demo.Init(screen.Get(), 1400, 800);
    // Held still (speed 0, clips frozen) so that only the weapon can change the picture.
    demo.character.speed = 0.0f;
    demo.character.deltaTime = 0.0f;
    auto frame = [&] {
        demo.Update();
        return screen.RenderAndRead();
    };
    // Presses a key and takes snapshots until one sees it go down: the frame it triggers in.
    auto press = [&](const char* key, int scancode) {
        user->PressKey(key);
        EXPECT_TRUE(TestSupport::PumpUntil(Input::Update, [=] { return Input::IsKeyTriggered(scancode); })) << key;
    };
    auto release = [&](const char* key, int scancode) {
        user->ReleaseKey(key);
        EXPECT_TRUE(TestSupport::PumpUntil(Input::Update, [=] { return !Input::IsKeyDown(scancode); })) << key;
    };

    const struct {
        const char* key;
        int scancode;
        int* selector;
        int from, to;
    } cases[] = {{"space", SDL_SCANCODE_SPACE, &clipIndex, 5, 6}, {"space", SDL_SCANCODE_SPACE, &clipIndex, 14, 4},
                 {"c", SDL_SCANCODE_C, &weaponIndex, 1, 2}, {"c", SDL_SCANCODE_C, &weaponIndex, 3, 0}};
    TestSupport::FrameImage before;
    for (const auto& c : cases) {
        *c.selector = c.from;
        frame();
        before = frame();
        press(c.key, c.scancode);
        const TestSupport::FrameImage pressed = frame();
        Input::Update();  // still held: no further step
        frame();
        EXPECT_EQ(*c.selector, c.to) << c.key << " from " << c.from;
        release(c.key, c.scancode);
        if (c.selector == &weaponIndex) {
            EXPECT_EQ(Compare(before, pressed).count, 0) << "the weapon changed in the frame of the press";
        }
    }
    // C from 3 ("Gun") shows the sword again, around the projected grip.
    const TestSupport::FrameImage sword = frame();
    EXPECT_EQ(demo.character.weaponModel->GetModelName(), "Sword");
    const EndToEnd::Changes changed = Compare(before, sword);
    ASSERT_GT(changed.count, 50) << "the picture did not change after C";
    const Math::Matrix4& weapon = demo.character.weaponModel->GetWorldMatrix();
    const RenderInterface::CameraView& view = *demo.camera.view;
    const auto toGlm = [](const Math::Vector3& v) { return glm::vec3(v.x, v.y, v.z); };
    const glm::vec3 eye = toGlm(view.camera.GetPosition());
    const glm::vec4 clip = glm::perspective(view.fovY, 1400.0f / 800.0f, view.nearPlane, view.farPlane) *
                           glm::lookAt(eye, eye + toGlm(view.camera.GetForward()), toGlm(view.camera.GetUp())) *
                           glm::vec4(weapon[3], weapon[7], weapon[11], 1.0f);
    const glm::vec2 grip((clip.x / clip.w + 1.0f) * 700.0f, (1.0f - clip.y / clip.w) * 400.0f);
    EXPECT_TRUE(grip.x >= changed.box.left - 20 && grip.x <= changed.box.right + 20) << grip.x;
    EXPECT_TRUE(grip.y >= changed.box.top - 20 && grip.y <= changed.box.bottom + 20) << grip.y;
    EXPECT_LT(std::max(changed.box.right - changed.box.left, changed.box.bottom - changed.box.top), 300) << "more than the weapon";

    user.reset();
    demo.Shutdown();
    TwTerminate();
    Input::Shutdown();
}

}  // namespace
