#include "DefinitionString.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace TweakBar {
namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsKeyChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

void SkipSpace(std::string_view& text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
}

// Removes and returns the leading run of characters that satisfy `accept`.
template <typename Predicate>
std::string_view TakeWhile(std::string_view& text, Predicate accept) {
    size_t length = 0;
    while (length < text.size() && accept(text[length])) ++length;
    std::string_view taken = text.substr(0, length);
    text.remove_prefix(length);
    return taken;
}

bool ParseFiniteFloat(std::string_view text, float& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    return status == std::errc() && stop == end && std::isfinite(value);
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

// The limit a key sets: its flag and its value.
struct LimitField {
    bool* given = nullptr;
    float* value = nullptr;
};

LimitField FieldForKey(std::string_view key, FloatLimits& limits) {
    if (key == "min") return {&limits.hasMin, &limits.min};
    if (key == "max") return {&limits.hasMax, &limits.max};
    if (key == "step") return {&limits.hasStep, &limits.step};
    return {};
}

}  // namespace

bool ParseDefinition(const char* definition, FloatLimits& limits, std::string& error) {
    limits = FloatLimits{};
    std::string_view rest = definition ? definition : "";
    for (SkipSpace(rest); !rest.empty(); SkipSpace(rest)) {
        const std::string_view key = TakeWhile(rest, IsKeyChar);
        if (key.empty()) {
            error = "unexpected " + Quoted(rest.substr(0, 1)) + " where a key should start";
            return false;
        }
        const LimitField field = FieldForKey(key, limits);
        if (!field.given) {
            error = "unknown key " + Quoted(key) + " (known keys: min, max, step)";
            return false;
        }
        SkipSpace(rest);
        if (rest.empty() || rest.front() != '=') {
            error = "expected '=' after " + Quoted(key);
            return false;
        }
        rest.remove_prefix(1);
        SkipSpace(rest);
        const std::string_view text = TakeWhile(rest, [](char c) { return !IsSpace(c); });
        if (text.empty()) {
            error = "missing value for " + Quoted(key);
            return false;
        }
        if (*field.given) {
            error = Quoted(key) + " is given twice";
            return false;
        }
        if (!ParseFiniteFloat(text, *field.value)) {
            error = Quoted(text) + " is not a number (value of " + Quoted(key) + ")";
            return false;
        }
        *field.given = true;
    }
    if (limits.hasStep && !(limits.step > 0.0f)) {
        error = "step must be greater than 0";
        return false;
    }
    if (limits.hasMin && limits.hasMax && limits.min > limits.max) {
        error = "min " + Number(limits.min) + " is greater than max " + Number(limits.max);
        return false;
    }
    return true;
}

float ClampToLimits(float value, const FloatLimits& limits) {
    if (limits.hasMin) value = std::max(value, limits.min);
    if (limits.hasMax) value = std::min(value, limits.max);
    return value;
}

}  // namespace TweakBar
