#pragma once
// The one library context: what TwInit sets up and TwTerminate tears down.
#include <SDL.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "DefinitionString.h"
#include "TweakBarQuery.h"

struct ImGuiContext;

namespace TweakBar {

// One variable shown on a bar.
struct Entry {
    std::string name;
    TwType type = TW_TYPE_UNDEF;
    void* var = nullptr;
    FloatLimits limits;
    TwRect valueRect;
};

// A type made by TwDefineEnum: parallel lists of values and their labels.
struct EnumType {
    std::string name;
    std::vector<int> values;
    std::vector<std::string> labels;
};

// The pointer position last reported by an SDL event for our window. SDL's offscreen and some
// embedded video drivers never give a window mouse focus, so ImGui's backend cannot read the
// pointer there; this position stands in for it.
struct EventPointer {
    bool valid = false;
    float x = 0.0f, y = 0.0f;
};

struct Library {
    bool initialised = false;
    SDL_Window* window = nullptr;
    Uint32 windowId = 0;
    SDL_GLContext glContext = nullptr;
    ImGuiContext* imgui = nullptr;
    std::vector<std::unique_ptr<CTwBar>> bars;
    std::vector<EnumType> enums;
    // Display size from TwWindowSize; 0 x 0 means "the window's own size".
    int displayWidth = 0, displayHeight = 0;
    EventPointer pointer;
    // Whether a panel item held the keyboard when the last TwDraw ended.
    bool keyboardTaken = false;
    // ImGui reads keys as held or not once a frame, so a key pressed and released between two
    // TwDraw calls would never reach a field: such a release waits until a frame has seen the key
    // down. Indexed by scancode.
    std::array<bool, SDL_NUM_SCANCODES> pressedSinceDraw{};
    std::vector<SDL_Event> heldReleases;
};

Library& TheLibrary();

// True once TwInit has succeeded; otherwise reports that `function` needs TwInit first.
bool RequireInitialised(const char* function);

// The live bar `bar` points to, or null for a null, deleted or foreign pointer.
CTwBar* FindBar(const TwBar* bar);

// The enum type with this id, or null.
const EnumType* FindEnum(TwType type);

// The first label of `value` in `type`, or null.
const char* EnumLabel(const EnumType& type, int value);

}  // namespace TweakBar

struct CTwBar {
    std::string name;
    std::vector<TweakBar::Entry> entries;
    // How many bars existed when this one was made; places its panel when it first appears.
    int slot = 0;
    TwRect panelRect;
};
