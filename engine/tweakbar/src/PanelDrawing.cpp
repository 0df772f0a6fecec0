#include "PanelDrawing.h"

#include <imgui.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "Library.h"

namespace TweakBar {
namespace {

// Panels keep this far from the display's edges and from each other.
constexpr float kMargin = 10.0f;
// Every value widget has the same width, so the panel's layout depends only on its entry names.
constexpr float kValueWidth = 170.0f;
constexpr float kPlotHeight = 48.0f;
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

void DrawIntValue(const Entry& entry) {
    int& bound = *static_cast<int*>(entry.var);
    int edited = bound;
    const int step = entry.limits.hasStep ? static_cast<int>(entry.limits.step) : 1;
    if (ImGui::InputInt("##value", &edited, step, step * 10)) {
        bound = static_cast<int>(std::lround(ClampToLimits(static_cast<float>(edited), entry.limits)));
    }
}

// A read-only value as text in a frame like the editable ones, so the columns line up.
void DrawReadOnlyValue(const Entry& entry) {
    char text[64];
    if (entry.type == TW_TYPE_FLOAT) {
        std::snprintf(text, sizeof text, "%.4g", static_cast<double>(*static_cast<const float*>(entry.var)));
    } else if (entry.type == TW_TYPE_BOOLCPP) {
        std::snprintf(text, sizeof text, "%s", *static_cast<const bool*>(entry.var) ? "on" : "off");
    } else {
        const int value = *static_cast<const int*>(entry.var);
        const EnumType* type = FindEnum(entry.type);
        const char* label = type ? EnumLabel(*type, value) : nullptr;
        if (label) {
            std::snprintf(text, sizeof text, "%s", label);
        } else {
            std::snprintf(text, sizeof text, "%d", value);
        }
    }
    ImGui::BeginDisabled();
    ImGui::InputText("##value", text, sizeof text, ImGuiInputTextFlags_ReadOnly);
    ImGui::EndDisabled();
}

// The curve between the definition's min and max (its own range where they are not given), with
// a vertical marker at the given fraction of its width.
void DrawPlot(const Entry& entry, const ImVec2& size) {
    const PlotSource& plot = entry.plot;
    const float low = entry.limits.hasMin ? entry.limits.min : FLT_MAX;
    const float high = entry.limits.hasMax ? entry.limits.max : FLT_MAX;
    ImGui::PlotLines("##value", plot.values, plot.count, 0, nullptr, low, high, size);
    if (!plot.marker) return;
    const ImVec2 from = ImGui::GetItemRectMin();
    const ImVec2 to = ImGui::GetItemRectMax();
    const float fraction = std::clamp(*plot.marker, 0.0f, 1.0f);
    const float x = from.x + fraction * (to.x - from.x);
    ImGui::GetWindowDrawList()->AddLine(ImVec2(x, from.y), ImVec2(x, to.y), IM_COL32(255, 220, 64, 255), 2.0f);
}

void DrawValue(const Entry& entry, const ImVec2& size) {
    if (entry.kind == EntryKind::Button) {
        if (ImGui::Button(entry.name.c_str(), size)) entry.callback(entry.clientData);
    } else if (entry.kind == EntryKind::Plot) {
        DrawPlot(entry, size);
    } else if (entry.readOnly) {
        DrawReadOnlyValue(entry);
    } else if (entry.type == TW_TYPE_FLOAT) {
        DrawFloatValue(entry);
    } else if (entry.type == TW_TYPE_INT32) {
        DrawIntValue(entry);
    } else if (entry.type == TW_TYPE_BOOLCPP) {
        ImGui::Checkbox("##value", static_cast<bool*>(entry.var));
    } else {
        DrawEnumValue(entry);
    }
}

float TitleWidth(const CTwBar& bar) {
    const ImGuiStyle& style = ImGui::GetStyle();
    return ImGui::CalcTextSize(bar.name.c_str()).x + ImGui::GetFontSize() + 2.0f * style.FramePadding.x +
           style.ItemInnerSpacing.x + 2.0f * style.WindowPadding.x;
}

bool Overlaps(const TwRect& a, const TwRect& b) {
    return a.x < b.x + b.width + kMargin && b.x < a.x + a.width + kMargin && a.y < b.y + b.height + kMargin &&
           b.y < a.y + a.height + kMargin;
}

// The first bar opens at the top-left corner and may be dragged; later bars stand at the top-right
// corner, each moved down below any earlier panel it would touch, so that none ever covers an
// earlier one. `earlier` are the panels drawn before this one in the current frame.
void PlacePanel(const CTwBar& bar, const std::vector<TwRect>& earlier) {
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const ImVec2 largest(std::max(display.x - 2.0f * kMargin, 0.0f), std::max(display.y - 2.0f * kMargin, 0.0f));
    ImGui::SetNextWindowSizeConstraints(ImVec2(0.0f, 0.0f), largest);
    const TwRect& last = bar.panelRect;
    if (!earlier.empty()) {
        TwRect wanted{std::max(display.x - kMargin - last.width, kMargin), kMargin, last.width, last.height};
        for (size_t moved = 0; moved < earlier.size(); ++moved) {
            const auto touching = std::find_if(earlier.begin(), earlier.end(),
                                               [&](const TwRect& other) { return Overlaps(wanted, other); });
            if (touching == earlier.end()) break;
            wanted.y = touching->y + touching->height + kMargin;
        }
        ImGui::SetNextWindowPos(ImVec2(wanted.x, wanted.y));
        return;
    }
    ImGui::SetNextWindowPos(ImVec2(kMargin, kMargin), ImGuiCond_FirstUseEver);
    // When the display shrinks the panel keeps inside it: no larger than the display less a margin
    // on each side, and moved back in if it would hang over the right or bottom edge.
    const float x = std::min(last.x, display.x - kMargin - std::min(last.width, largest.x));
    const float y = std::min(last.y, display.y - kMargin - std::min(last.height, largest.y));
    if (x < last.x || y < last.y) ImGui::SetNextWindowPos(ImVec2(std::max(x, 0.0f), std::max(y, 0.0f)));
}

}  // namespace

void DrawBarPanel(CTwBar& bar, const std::vector<TwRect>& earlier) {
    PlacePanel(bar, earlier);
    if (bar.requestedIconified) {
        ImGui::SetNextWindowCollapsed(*bar.requestedIconified);
        bar.iconified = *bar.requestedIconified;
        bar.requestedIconified.reset();
    }
    // A folded panel is as wide as its title, so that it takes no more of the scene than it shows.
    if (bar.iconified) ImGui::SetNextWindowSize(ImVec2(TitleWidth(bar), 0.0f));
    const bool expanded = ImGui::Begin(bar.name.c_str(), nullptr, kPanelFlags);
    bar.iconified = ImGui::IsWindowCollapsed();
    bar.panelRect = ToRect(ImGui::GetWindowPos(), ImGui::GetWindowSize());
    const ImGuiStyle& style = ImGui::GetStyle();
    const float valueColumn = style.WindowPadding.x + WidestName(bar) + style.ItemSpacing.x;
    for (Entry& entry : bar.entries) {
        entry.valueRect = TwRect{};
        if (!expanded) continue;
        ImGui::PushID(entry.name.c_str());
        ImGui::AlignTextToFramePadding();
        // A button carries its name on itself.
        ImGui::TextUnformatted(entry.kind == EntryKind::Button ? "" : entry.name.c_str());
        ImGui::SameLine(valueColumn);
        ImGui::SetNextItemWidth(kValueWidth);
        // Every value widget (a number field with its buttons included) fills the item width.
        const float height = entry.kind == EntryKind::Plot ? kPlotHeight : ImGui::GetFrameHeight();
        entry.valueRect = ToRect(ImGui::GetCursorScreenPos(), ImVec2(kValueWidth, height));
        DrawValue(entry, ImVec2(kValueWidth, height));
        ImGui::PopID();
    }
    ImGui::End();
}

}  // namespace TweakBar
