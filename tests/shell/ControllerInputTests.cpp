// Game controllers through SDL's virtual joysticks: opened into the slot of their device index
// when present at start or plugged in later, closed when unplugged, buttons sampled per frame.
#include <gtest/gtest.h>

#include "util/Input.h"

namespace Input = Util::Input;

class ControllerInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        if (SDL_NumJoysticks() != 0) {
            GTEST_SKIP() << "the slots are device indices: these tests need a machine with no joystick plugged in";
        }
    }
    void TearDown() override {
        for (int deviceIndex = SDL_NumJoysticks() - 1; deviceIndex >= 0; --deviceIndex) {
            if (SDL_JoystickIsVirtual(deviceIndex)) {
                SDL_JoystickDetachVirtual(deviceIndex);
            }
        }
        // Also quits the game-controller subsystem started above.
        Input::Shutdown();
    }

    // Plugs in a virtual game controller; returns its device index.
    static int Plug() {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual test pad";
        const int deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(deviceIndex, 0) << SDL_GetError();
        return deviceIndex;
    }

    // The controller SDL has open for a device index, or null when none is open.
    static SDL_GameController* OpenControllerOf(int deviceIndex) {
        return SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(deviceIndex));
    }

    static void PushControllerRemoved(int which) {
        SDL_Event event{};
        event.type = SDL_CONTROLLERDEVICEREMOVED;
        event.cdevice.which = which;
        SDL_PushEvent(&event);
    }

    static SDL_Joystick* JoystickIn(int slot) {
        return SDL_GameControllerGetJoystick(Input::GetController(slot).controller);
    }
};

// Property: controllers present at start-up are opened into the slots of their device indices;
// the other slots stay empty.
TEST_F(ControllerInput, ControllersPresentAtStartAreOpened) {
    ASSERT_EQ(Plug(), 0);
    ASSERT_EQ(Plug(), 1);
    Input::Initialize();

    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_TRUE(Input::IsControllerConnected(slot));
        EXPECT_NE(Input::GetController(slot).controller, nullptr);
        EXPECT_EQ(Input::GetController(slot).controller, OpenControllerOf(slot));
    }
    for (int slot = 2; slot < Input::MaxControllers; ++slot) {
        EXPECT_FALSE(Input::IsControllerConnected(slot));
        EXPECT_EQ(Input::GetController(slot).controller, nullptr);
    }
}

// Property: plugging a controller in while running opens it through the added event.
TEST_F(ControllerInput, PluggedControllerIsOpenedIntoItsSlot) {
    Input::Initialize();
    ASSERT_FALSE(Input::IsControllerConnected(0));

    ASSERT_EQ(Plug(), 0);
    EXPECT_TRUE(Input::IsControllerConnected(0));
    EXPECT_EQ(Input::GetController(0).controller, OpenControllerOf(0));
    EXPECT_TRUE(SDL_GameControllerGetAttached(Input::GetController(0).controller));
    EXPECT_FALSE(Input::IsControllerConnected(1));
}

// Property: only device indices 0 to 3 have slots; a fifth controller is left closed, at
// start-up and when plugged in, and the four slots keep their own controllers.
TEST_F(ControllerInput, ControllersBeyondFourAreIgnored) {
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(Plug(), i);
    }
    Input::Initialize();
    ASSERT_EQ(Plug(), 5);

    for (int slot = 0; slot < Input::MaxControllers; ++slot) {
        EXPECT_TRUE(Input::IsControllerConnected(slot));
        EXPECT_EQ(Input::GetController(slot).controller, OpenControllerOf(slot));
    }
    EXPECT_EQ(OpenControllerOf(4), nullptr);
    EXPECT_EQ(OpenControllerOf(5), nullptr);
}

// Property: unplugging closes the slot whose controller went, not the event's index.
TEST_F(ControllerInput, UnpluggedControllerClosesItsSlot) {
    ASSERT_EQ(Plug(), 0);
    ASSERT_EQ(Plug(), 1);
    Input::Initialize();
    SDL_Joystick* const kept = JoystickIn(0);

    ASSERT_EQ(SDL_JoystickDetachVirtual(1), 0);
    EXPECT_FALSE(Input::IsControllerConnected(1));
    EXPECT_TRUE(Input::IsControllerConnected(0));
    EXPECT_EQ(JoystickIn(0), kept);
}

// Property: with two controllers gone before a removed event is seen, each event closes the
// lowest-numbered detached slot; an event that matches no slot changes nothing.
TEST_F(ControllerInput, RemovedEventsCloseTheLowestDetachedSlotFirst) {
    ASSERT_EQ(Plug(), 0);
    ASSERT_EQ(Plug(), 1);
    ASSERT_EQ(Plug(), 2);
    Input::Initialize();

    // Unplug devices 2 and 0 with the watch away, so neither removal has been handled yet.
    SDL_DelEventWatch(Input::EventWatch, nullptr);
    ASSERT_EQ(SDL_JoystickDetachVirtual(2), 0);
    ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0);
    SDL_AddEventWatch(Input::EventWatch, nullptr);

    PushControllerRemoved(99);
    EXPECT_FALSE(Input::IsControllerConnected(0));
    EXPECT_TRUE(Input::IsControllerConnected(1));
    EXPECT_TRUE(Input::IsControllerConnected(2));

    PushControllerRemoved(99);
    EXPECT_TRUE(Input::IsControllerConnected(1));
    EXPECT_FALSE(Input::IsControllerConnected(2));

    PushControllerRemoved(99);
    EXPECT_TRUE(Input::IsControllerConnected(1));
}

// Property: buttons 0 to 14 are sampled at each update, with last frame's beside them; a slot
// that goes keeps its last buttons, and its previous ones catch up at the next update.
TEST_F(ControllerInput, ButtonsAreSampledPerFrame) {
    ASSERT_EQ(Plug(), 0);
    Input::Initialize();
    SDL_Joystick* pad = JoystickIn(0);
    const auto& state = Input::GetController(0);
    const int a = SDL_CONTROLLER_BUTTON_A;
    const int dpadRight = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;  // 14, the last one polled

    SDL_JoystickSetVirtualButton(pad, a, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(pad, dpadRight, SDL_PRESSED);
    Input::Update();
    EXPECT_EQ(state.currentButtons[a], 1);
    EXPECT_EQ(state.currentButtons[dpadRight], 1);
    EXPECT_EQ(state.currentButtons[SDL_CONTROLLER_BUTTON_B], 0);
    EXPECT_EQ(state.previousButtons[a], 0);

    SDL_JoystickSetVirtualButton(pad, a, SDL_RELEASED);
    Input::Update();
    EXPECT_EQ(state.currentButtons[a], 0);
    EXPECT_EQ(state.previousButtons[a], 1);
    EXPECT_EQ(state.previousButtons[dpadRight], 1);

    ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0);
    ASSERT_FALSE(Input::IsControllerConnected(0));
    Input::Update();
    EXPECT_EQ(state.currentButtons[dpadRight], 1);
    EXPECT_EQ(state.previousButtons, state.currentButtons);
}

// Property: the module starts no SDL subsystem itself: without the game-controller subsystem
// there is nothing to open, and it stays down.
TEST(ControllerInputWithoutSubsystem, StartsNoSubsystem) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER | SDL_INIT_HAPTIC), 0u);
    Input::Initialize();
    Input::Update();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER | SDL_INIT_HAPTIC), 0u);
    for (int slot = 0; slot < Input::MaxControllers; ++slot) {
        EXPECT_FALSE(Input::IsControllerConnected(slot));
    }
    Input::Shutdown();
}
