// Game controllers through SDL's virtual joysticks: opened into the slot of their device index,
// at start or when plugged in, only indices 0 to 3, and closed again when unplugged.
#include <gtest/gtest.h>

#include "util/Input.h"

namespace Input = Util::Input;

class ControllerInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        if (SDL_NumJoysticks() != 0) {
            GTEST_SKIP() << "slots are device indices: needs a machine with no joystick plugged in";
        }
    }
    void TearDown() override {
        for (int deviceIndex = SDL_NumJoysticks() - 1; deviceIndex >= 0; --deviceIndex) {
            SDL_JoystickDetachVirtual(deviceIndex);
        }
        Input::Shutdown();  // also quits the game-controller subsystem
    }

    // Plugs in `count` virtual game controllers, expecting the next device indices.
    static void Plug(int count) {
        for (int i = 0; i < count; ++i) {
            SDL_VirtualJoystickDesc desc;
            SDL_zero(desc);
            desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
            desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            desc.naxes = SDL_CONTROLLER_AXIS_MAX;
            desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            const int expected = SDL_NumJoysticks();
            ASSERT_EQ(SDL_JoystickAttachVirtualEx(&desc), expected) << SDL_GetError();
        }
    }

    // The controller SDL has open for a device index, or null.
    static SDL_GameController* OpenControllerOf(int deviceIndex) {
        return SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(deviceIndex));
    }

    static void ExpectConnected(std::initializer_list<bool> slots) {
        for (int slot = 0; slot < int(slots.size()); ++slot)
            EXPECT_EQ(Input::IsControllerConnected(slot), slots.begin()[slot]) << "slot " << slot;
    }
};

// Present at start or plugged in later, each goes into its device index's slot; a fifth is left
// closed either way.
TEST_F(ControllerInput, ControllersOpenIntoTheirSlotsUpToFour) {
    Plug(2);
    Input::Initialize();
    ExpectConnected({true, true, false, false});
    Plug(3);
    for (int slot = 0; slot < Input::MaxControllers; ++slot) {
        EXPECT_EQ(Input::GetController(slot).controller, OpenControllerOf(slot)) << slot;
        EXPECT_NE(OpenControllerOf(slot), nullptr) << slot;
    }
    EXPECT_EQ(OpenControllerOf(4), nullptr);
}

// Unplugged while watched, a controller's own slot closes; with several gone before any removed
// event is seen, each event closes the lowest-numbered detached slot.
TEST_F(ControllerInput, UnpluggingClosesSlotsLowestDetachedFirst) {
    Plug(4);
    Input::Initialize();
    ASSERT_EQ(SDL_JoystickDetachVirtual(3), 0);
    ExpectConnected({true, true, true, false});

    SDL_DelEventWatch(Input::EventWatch, nullptr);
    ASSERT_EQ(SDL_JoystickDetachVirtual(2), 0);
    ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0);
    SDL_AddEventWatch(Input::EventWatch, nullptr);
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 99;
    SDL_PushEvent(&removed);
    ExpectConnected({false, true, true, false});
    SDL_PushEvent(&removed);
    ExpectConnected({false, true, false, false});
    SDL_PushEvent(&removed);
    ExpectConnected({false, true, false, false});
}
