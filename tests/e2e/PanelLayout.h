#pragma once
// Where things are on the tweak panel "Tovrin_Stage1" in the 1400 x 800 window, as a user finds
// them: the panel opens 10 pixels from the top-left corner, one row per entry 23 pixels apart,
// values in a column starting 128 pixels in; a combo's list opens below it, 17 pixels per item.
namespace EndToEnd::PanelLayout {

constexpr int ValueX = 200;  // inside every value field, clear of the step buttons
constexpr int AnimationClipsY = 46;
constexpr int WeaponTypesY = 69;
constexpr int DeltaTimeY = 92;
constexpr int SpeedY = 115;

// Item `index` of the list that opens under the "WeaponTypes" combo.
constexpr int WeaponListX = 160;
constexpr int WeaponListItemY(int index) {
    return 93 + 17 * index;
}

// A resting place for the pointer over the scene, away from the panel and the window's edges.
constexpr int RestX = 700;
constexpr int RestY = 300;

}  // namespace EndToEnd::PanelLayout
