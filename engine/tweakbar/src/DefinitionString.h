#pragma once
// The definition strings of float entries: "min = 0 max = 300 step = 0.5".
#include <string>

namespace TweakBar {

// The limits an entry keeps to when the user edits it. `step` is the amount each step button
// adds or takes away.
struct FloatLimits {
    bool hasMin = false, hasMax = false, hasStep = false;
    float min = 0.0f, max = 0.0f, step = 0.0f;
};

// Reads "key = value" pairs separated by white space, keys in any order, each at most once.
// A null or blank string gives no limits. On failure returns false and says why in `error`.
bool ParseDefinition(const char* definition, FloatLimits& limits, std::string& error);

// `value` clamped into the limits that are set.
float ClampToLimits(float value, const FloatLimits& limits);

}  // namespace TweakBar
