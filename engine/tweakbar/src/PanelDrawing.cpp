#include "PanelDrawing.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Library.h"

namespace TweakBar {
namespace {

// Panels open this far from the top-left corner, each later bar a little down and to the right
// of the one before so that every title stays visible.
constexpr float kMargin = 10.0f;
constexpr float kCascade = 24.0f;
// Every value widget has the same width, so the panel's layout depends only on its entry names.
constexpr float kValueWidth = 170.0f;
constexpr ImGuiWindowFlags kPanelFlags = ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings;

TwRect ToRect(const ImVec2& corner, const ImVec2& size) { return {corner.x, corner.y, size.x, size.y}; }

float WidestName(const CTwBar& bar) {
    float widest = 0.0f;
    for (const Entry& entry : bar.entries) {
        widest = std::max(widest, ImGui::CalcTextSize(entry.name.c_str()).x);
    }
    return widest;
}

void DrawEnumValue(const Entry& entry) {
    // Entries are only added for defined types, and types live as long as the bars do.
    const EnumType& type = *FindEnum(entry.type);
    int& value = *static_cast<int*>(entry.var);
    const char* label = EnumLabel(type, value);
    // A value outside the enum is shown as its number.
    char number[16];
    if (!label) {
        std::snprintf(number, sizeof number, "%d", value);
        label = number;
    }
    if (!ImGui::BeginCombo("##value", label, ImGuiComboFlags_HeightLargest)) return;
    for (size_t i = 0; i < type.values.size(); ++i) {
        const bool selected = type.values[i] == value;
        ImGui::PushID(static_cast<int>(i));
        if (ImGui::Selectable(type.labels[i].c_str(), selected)) value = type.values[i];
        if (selected) ImGui::SetItemDefaultFocus();
        ImGui::PopID();
    }
    ImGui::EndCombo();
}

// A number field with - and + buttons that move by `step`; typed values are taken too. The bound
// variable only ever receives finite values inside the limits.
void DrawFloatValue(const Entry& entry) {
    float& bound = *static_cast<float*>(entry.var);
    float edited = bound;
    const float step = entry.limits.hasStep ? entry.limits.step : 0.0f;
    if (ImGui::InputFloat("##value", &edited, step, step * 10.0f, "%g") && std::isfinite(edited)) {
        bound = ClampToLimits(edited, entry.limits);
    }
}

void PlacePanel(const CTwBar& bar) {
    const float home = kMargin + kCascade * static_cast<float>(bar.slot);
    ImGui::SetNextWindowPos(ImVec2(home, home), ImGuiCond_FirstUseEver);
    // When the display shrinks the panel keeps inside it: no larger than the display less a margin
    // on each side, and moved back in if it would hang over the right or bottom edge.
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const ImVec2 largest(std::max(display.x - 2.0f * kMargin, 0.0f), std::max(display.y - 2.0f * kMargin, 0.0f));
    ImGui::SetNextWindowSizeConstraints(ImVec2(0.0f, 0.0f), largest);
    const TwRect& last = bar.panelRect;
    const float x = std::min(last.x, display.x - kMargin - std::min(last.width, largest.x));
    const float y = std::min(last.y, display.y - kMargin - std::min(last.height, largest.y));
    if (x < last.x || y < last.y) ImGui::SetNextWindowPos(ImVec2(std::max(x, 0.0f), std::max(y, 0.0f)));
}

}  // namespace

void DrawBarPanel(CTwBar& bar) {
    PlacePanel(bar);
    const bool expanded = ImGui::Begin(bar.name.c_str(), nullptr, kPanelFlags);
    bar.panelRect = ToRect(ImGui::GetWindowPos(), ImGui::GetWindowSize());
    const ImGuiStyle& style = ImGui::GetStyle();
    const float valueColumn = style.WindowPadding.x + WidestName(bar) + style.ItemSpacing.x;
    for (Entry& entry : bar.entries) {
        entry.valueRect = TwRect{};
        if (!expanded) continue;
        ImGui::PushID(entry.name.c_str());
        ImGui::AlignTextToFramePadding();
        ImGui::TextUnformatted(entry.name.c_str());
        ImGui::SameLine(valueColumn);
        ImGui::SetNextItemWidth(kValueWidth);
        // Combo box and number field (its buttons included) both fill the item width.
        entry.valueRect = ToRect(ImGui::GetCursorScreenPos(), ImVec2(kValueWidth, ImGui::GetFrameHeight()));
        if (entry.type == TW_TYPE_FLOAT) {
            DrawFloatValue(entry);
        } else {
            DrawEnumValue(entry);
        }
        ImGui::PopID();
    }
    ImGui::End();
}

}  // namespace TweakBar
