// Property: Space and C step the clip and weapon selectors once per press, however long the key is
// held (its repeats do not count), wrapping round (clips to "Run", weapons to "Sword"), and the
// weapon a press selects shows from the next frame. The warrior runs on the real renderer
// (offscreen); keys are SDL events (real X keys are the shell's and e2e.Panel's to check).
#include <string>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <gtest/gtest.h>

#include "character/PathCharacter.h"
#include "character/Selectors.h"
#include "util/Input.h"

namespace {

namespace Input = Util::Input;

TEST(SelectorKeys, OneStepPerPressWrappingRoundAndTheWeaponShownFromTheNextFrame) {
    TestSupport::OffscreenRenderer gl(320, 200);
    ASSERT_TRUE(gl);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    Input::Initialize();
    PathCharacter character;
    character.Init(gl.Get(), TwNewBar("Tovrin_Stage1"));
    const auto frame = [&] {
        Input::Update();
        character.Update();
        return std::string(character.weaponModel->GetModelName());
    };
    const auto send = [](Uint32 type, SDL_Scancode key, Uint8 repeat) {
        SDL_Event event{type};
        event.key = SDL_KeyboardEvent{type, 0, 0, type == SDL_KEYDOWN, repeat, 0, 0, SDL_Keysym{key, 0, 0, 0}};
        SDL_PushEvent(&event);
    };
    const struct { SDL_Scancode key; int* selector; int from, to; } cases[] = {
        {SDL_SCANCODE_SPACE, &clipIndex, 5, 6}, {SDL_SCANCODE_SPACE, &clipIndex, 14, 4},
        {SDL_SCANCODE_C, &weaponIndex, 1, 2}, {SDL_SCANCODE_C, &weaponIndex, 3, 0}};
    for (const auto& c : cases) {
        *c.selector = c.from;
        const std::string before = frame();
        send(SDL_KEYDOWN, c.key, 0);
        EXPECT_EQ(frame(), before) << "the weapon changed in the frame of the press";
        EXPECT_EQ(*c.selector, c.to) << "from " << c.from;
        send(SDL_KEYDOWN, c.key, 1);
        const std::string next = frame();
        EXPECT_EQ(*c.selector, c.to) << "a held key stepped again, from " << c.from;
        EXPECT_EQ(next, weaponEnumValues[size_t(weaponIndex)].Label);
        send(SDL_KEYUP, c.key, 0);
        frame();
    }
    character.Shutdown();
    Input::Shutdown();
    TwTerminate();
}

}  // namespace
