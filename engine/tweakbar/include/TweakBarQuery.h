#pragma once
// Read-only view of the bars, for tests and tools.
#include <string>
#include <vector>

#include "AntTweakBar.h"

// A rectangle in window pixels, origin at the window's top-left corner.
struct TwRect {
    float x = 0.0f, y = 0.0f, width = 0.0f, height = 0.0f;
};

struct TwVarInfo {
    std::string name;
    TwType type = TW_TYPE_UNDEF;
    void* var = nullptr;  // null for buttons and plots
    bool readOnly = false;
    bool hasMin = false, hasMax = false, hasStep = false;
    float min = 0.0f, max = 0.0f, step = 0.0f;
    // Where the last TwDraw put the entry's value widget (combo box, or number field with its
    // step buttons); empty while the entry has not been drawn.
    TwRect valueRect;
};

// The bar with this name, or null.
TwBar* TwGetBarByName(const char* name);
// The bar's entries in the order they were added.
std::vector<TwVarInfo> TwGetBarVars(const TwBar* bar);
// The label of `value` in an enum type, or null.
const char* TwGetEnumLabel(TwType enumType, int value);
// The size last given to TwWindowSize; 0 x 0 when none was given (the panels then use the
// window's own size).
void TwGetWindowSize(int* width, int* height);
// Where the last TwDraw put the bar's panel; empty while the bar has not been drawn.
TwRect TwGetBarRect(const TwBar* bar);
// Whether a panel item has the keyboard: from the TwDraw in which the user clicks into a field
// until the one in which the field is left (Return, Escape, a click elsewhere). Keys pressed
// meanwhile are the field's. False before TwInit and after TwTerminate.
bool TwIsKeyboardTaken();
