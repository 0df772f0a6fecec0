#pragma once
// One bar as one ImGui panel.

struct CTwBar;

namespace TweakBar {

// Builds the bar's panel in the current ImGui frame: title, then one row per entry in the order
// added, the entry's name on the left and its value widget on the right. Records where the panel
// and each value widget landed.
void DrawBarPanel(CTwBar& bar);

}  // namespace TweakBar
