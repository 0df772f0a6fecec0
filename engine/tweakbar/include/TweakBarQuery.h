#pragma once
// Read-only view of the bars, for tests and tools.
#include <string>
#include <vector>

#include "AntTweakBar.h"

struct TwVarInfo {
    std::string name;
    TwType type = TW_TYPE_UNDEF;
    void* var = nullptr;
    bool hasMin = false, hasMax = false, hasStep = false;
    float min = 0.0f, max = 0.0f, step = 0.0f;
};

// The bar with this name, or null.
TwBar* TwGetBarByName(const char* name);
// The bar's entries in the order they were added.
std::vector<TwVarInfo> TwGetBarVars(const TwBar* bar);
// The label of `value` in an enum type, or null.
const char* TwGetEnumLabel(TwType enumType, int value);
// The size last given to TwWindowSize.
void TwGetWindowSize(int* width, int* height);
