// The input module: one snapshot per frame of keyboard, mouse buttons, cursor and controllers,
// with the previous frame's beside it. Motion, wheel and controller plugging come through the
// event watch, which SDL calls from inside its event pump.
#include "util/Input.h"

#include <algorithm>
#include <vector>

#include <TweakBarQuery.h>

namespace Util {
namespace Input {
namespace {

int keyCount = 0;
std::vector<Uint8> currentKeys;
std::vector<Uint8> previousKeys;
// Indexed by scancode. A key tapped between two snapshots is up in both, so the presses the
// event watch sees are kept until the next snapshot; keys pressed while a panel field had the
// keyboard are the field's until they are released.
std::array<Uint8, SDL_NUM_SCANCODES> pressedSinceUpdate{};
std::array<Uint8, SDL_NUM_SCANCODES> panelKeys{};
std::array<Uint8, SDL_NUM_SCANCODES> triggeredKeys{};

std::array<bool, MouseButtonCount> previousMouseButtons{};
std::array<bool, MouseButtonCount> currentMouseButtons{};
bool ignoreNextMotion = false;
int mouseDeltaX = 0;
int mouseDeltaY = 0;
int mouseX = 0;
int mouseY = 0;
int wheelX = 0;
int wheelY = 0;

std::array<bool, MaxControllers> controllerConnected{};
// A controller's slot is its joystick device index when it was opened; slots are never compacted.
std::vector<ControllerState> controllers(MaxControllers);

// Reuses the buffer once it has its size, so the per-frame copy allocates nothing.
void CopyKeyboardState() {
    const Uint8* keys = SDL_GetKeyboardState(&keyCount);
    currentKeys.assign(keys, keys + keyCount);
}

void CloseFirstDetachedController() {
    for (int slot = 0; slot < MaxControllers; ++slot) {
        ControllerState& state = controllers[slot];
        if (controllerConnected[slot] && !SDL_GameControllerGetAttached(state.controller)) {
            SDL_HapticRumbleStop(state.haptic);
            SDL_HapticClose(state.haptic);
            SDL_GameControllerClose(state.controller);
            // The stale handles stay in the record until the slot is opened again.
            controllerConnected[slot] = false;
            return;
        }
    }
}

void SampleControllerButtons() {
    for (int slot = 0; slot < MaxControllers; ++slot) {
        if (!controllerConnected[slot]) {
            continue;
        }
        ControllerState& state = controllers[slot];
        for (int button = 0; button < ControllerButtonCount; ++button) {
            const auto sdlButton = static_cast<SDL_GameControllerButton>(button);
            state.currentButtons[button] = SDL_GameControllerGetButton(state.controller, sdlButton) == 1 ? 1 : 0;
        }
    }
}

void SampleMouseButtons() {
    Uint32 mask = 1;
    for (int button = 0; button < MouseButtonCount; ++button) {
        currentMouseButtons[button] = (SDL_GetMouseState(nullptr, nullptr) & mask) != 0;
        mask <<= 1;
    }
}

// The demo sees no key the panel has: none while a field has the keyboard, and none pressed
// into a field until it is released (the Escape that leaves a field does not also quit).
void HidePanelKeysAndFindTriggered() {
    const bool panelHasKeyboard = TwIsKeyboardTaken();
    const std::size_t count = std::min<std::size_t>(currentKeys.size(), SDL_NUM_SCANCODES);
    for (std::size_t scancode = 0; scancode < count; ++scancode) {
        if (panelHasKeyboard || panelKeys[scancode] != 0) {
            currentKeys[scancode] = 0;
        }
        const bool pressed = pressedSinceUpdate[scancode] != 0 && !panelHasKeyboard;
        const bool wentDown = previousKeys[scancode] == 0 && currentKeys[scancode] != 0;
        triggeredKeys[scancode] = pressed || wentDown ? 1 : 0;
    }
    pressedSinceUpdate.fill(0);
}

void RecordKey(const SDL_KeyboardEvent& key) {
    const int scancode = key.keysym.scancode;
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) {
        return;
    }
    if (key.type == SDL_KEYUP) {
        panelKeys[scancode] = 0;
    } else if (key.repeat == 0) {
        (TwIsKeyboardTaken() ? panelKeys : pressedSinceUpdate)[scancode] = 1;
    }
}

bool IsValidScancode(int scancode) {
    return scancode >= 0 && scancode < static_cast<int>(currentKeys.size());
}

}  // namespace

void Initialize() {
    CopyKeyboardState();
    // A key already held at start-up has not just gone down.
    previousKeys = currentKeys;
    pressedSinceUpdate.fill(0);
    panelKeys.fill(0);
    triggeredKeys.fill(0);
    const int joystickCount = SDL_NumJoysticks();
    for (int deviceIndex = 0; deviceIndex < joystickCount; ++deviceIndex) {
        if (SDL_IsGameController(deviceIndex)) {
            AddController(deviceIndex);
        }
    }
    SDL_GameControllerEventState(SDL_ENABLE);
    SDL_AddEventWatch(EventWatch, nullptr);
}

void Update() {
    previousKeys = currentKeys;
    previousMouseButtons = currentMouseButtons;
    for (ControllerState& state : controllers) {
        state.previousButtons = state.currentButtons;
    }
    wheelX = wheelY = 0;
    mouseDeltaX = mouseDeltaY = 0;

    SDL_PumpEvents();

    CopyKeyboardState();
    HidePanelKeysAndFindTriggered();
    SampleControllerButtons();
    SampleMouseButtons();
    SDL_GetMouseState(&mouseX, &mouseY);
}

void Shutdown() {
    SDL_DelEventWatch(EventWatch, nullptr);
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        // Only the ones running: SDL quits its event loop, and with it every event watch, when
        // asked to quit a controller subsystem that never started while video is still up.
        SDL_QuitSubSystem(SDL_WasInit(SDL_INIT_HAPTIC | SDL_INIT_GAMECONTROLLER));
    } else {
        SDL_Quit();
    }
    // Quitting the subsystems closed every open controller.
    controllerConnected.fill(false);
    std::vector<Uint8>().swap(previousKeys);
    std::vector<Uint8>().swap(currentKeys);
}

bool IsKeyDown(int scancode) {
    return IsValidScancode(scancode) && currentKeys[scancode] == 1;
}

bool IsKeyTriggered(int scancode) {
    return IsValidScancode(scancode) && scancode < SDL_NUM_SCANCODES && triggeredKeys[scancode] != 0;
}

bool IsMouseButtonDown(MouseButton button) {
    return button >= 0 && button < MouseButtonCount && currentMouseButtons[button];
}

Uint32 GetMouseState(int* x, int* y) {
    return SDL_GetMouseState(x, y);
}

void WarpMouse(int x, int y) {
    ignoreNextMotion = true;
    SDL_WarpMouseInWindow(nullptr, x, y);
}

int GetMouseDeltaX() {
    return mouseDeltaX;
}

int GetMouseDeltaY() {
    return mouseDeltaY;
}

int GetWheelX() {
    return wheelX;
}

int GetWheelY() {
    return wheelY;
}

void AddController(int deviceIndex) {
    // Only device indices 0 to 3 have a slot; a fifth controller is not opened at all.
    if (deviceIndex < 0 || deviceIndex >= MaxControllers) {
        return;
    }
    ControllerState& state = controllers[deviceIndex];
    state.controller = SDL_GameControllerOpen(deviceIndex);
    state.haptic = SDL_HapticOpenFromJoystick(SDL_GameControllerGetJoystick(state.controller));
    SDL_HapticRumbleInit(state.haptic);
    controllerConnected[deviceIndex] = true;
}

bool IsControllerConnected(int slot) {
    return slot >= 0 && slot < MaxControllers && controllerConnected[slot];
}

const ControllerState& GetController(int slot) {
    static const ControllerState noSlot;
    return slot >= 0 && slot < MaxControllers ? controllers[slot] : noSlot;
}

int EventWatch(void*, SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        RecordKey(event->key);
        break;
    case SDL_MOUSEMOTION:
        // Assigned, not summed: the last counted motion event of the frame wins. The first
        // motion after a warp is the warp itself and is not counted.
        if (!ignoreNextMotion) {
            mouseDeltaX = event->motion.xrel;
            mouseDeltaY = event->motion.yrel;
        }
        ignoreNextMotion = false;
        break;
    case SDL_MOUSEWHEEL:
        wheelX = event->wheel.x;
        wheelY = event->wheel.y;
        break;
    case SDL_CONTROLLERDEVICEADDED:
        AddController(event->cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        // The event names a joystick instance, not a slot: close the lowest slot whose
        // controller has gone.
        CloseFirstDetachedController();
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace Input
}  // namespace Util
