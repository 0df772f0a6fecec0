#pragma once
// Per-frame snapshots of keyboard, mouse and game controllers, with the previous frame's
// beside them. Mouse motion, wheel and controller plugging arrive through an event watch.
#include <array>
#include <string>

#include <SDL.h>

namespace Util {
namespace Input {

constexpr int MaxControllers = 4;
constexpr int ControllerButtonCount = 15;
constexpr int MouseButtonCount = 5;

enum MouseButton { Left = 0, Middle = 1, Right = 2, X1 = 3, X2 = 4 };

struct ControllerState {
    SDL_GameController* controller = nullptr;
    SDL_Haptic* haptic = nullptr;
    std::array<Uint8, ControllerButtonCount> previousButtons{};
    std::array<Uint8, ControllerButtonCount> currentButtons{};
    std::string reservedText;
    std::array<Uint32, 12> reservedWords{};
};

void Initialize();
void Update();
void Shutdown();

// A scancode outside SDL's keyboard state, or a query outside Initialize..Shutdown, reads as up.
bool IsKeyDown(int scancode);
// Went down since the previous snapshot: up in it and down in this one, or pressed in between,
// however briefly. Keys a panel field has taken are neither down nor triggered.
bool IsKeyTriggered(int scancode);
bool IsMouseButtonDown(MouseButton button);
Uint32 GetMouseState(int* x, int* y);
void WarpMouse(int x, int y);
int GetMouseDeltaX();
int GetMouseDeltaY();
int GetWheelX();
int GetWheelY();
void AddController(int deviceIndex);
// Slots 0 to MaxControllers - 1; any other slot reads as an empty, unconnected record.
bool IsControllerConnected(int slot);
const ControllerState& GetController(int slot);
int EventWatch(void* userData, SDL_Event* event);

}  // namespace Input
}  // namespace Util
