#pragma once
// The one library context: what TwInit sets up and TwTerminate tears down.
#include <SDL.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "DefinitionString.h"
#include "TweakBarQuery.h"

struct ImGuiContext;

namespace TweakBar {

// What a row of a bar shows.
enum class EntryKind { Variable, Button, Plot };

// The curve of a plot entry, read by the bar each time it draws.
struct PlotSource {
    const float* values = nullptr;
    int count = 0;
    const float* marker = nullptr;
};

// One row of a bar: a variable, a button or a plot.
struct Entry {
    std::string name;
    EntryKind kind = EntryKind::Variable;
    TwType type = TW_TYPE_UNDEF;
    void* var = nullptr;  // never written when readOnly
    bool readOnly = false;
    FloatLimits limits;
    TwButtonCallback callback = nullptr;
    void* clientData = nullptr;
    PlotSource plot;
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
    // Folded to its title bar or open, as last set by TwSetParam and not yet applied to the panel.
    std::optional<bool> requestedIconified;
    bool iconified = false;  // as the panel was last drawn
    TwRect panelRect;
};
