#pragma once
// One bar as one ImGui panel.
#include <vector>

#include "TweakBarQuery.h"

struct CTwBar;

namespace TweakBar {

// Builds the bar's panel in the current ImGui frame: title, then one row per entry in the order
// added, the entry's name on the left and its value widget on the right. Records where the panel
// and each value widget landed. `earlier` holds the panels of the bars drawn before it this frame,
// which it keeps clear of.
void DrawBarPanel(CTwBar& bar, const std::vector<TwRect>& earlier);

}  // namespace TweakBar
