#pragma once
// The clip and weapon selectors shown on the tweak bar. The labels double as resource names:
// clips are registered under the clip labels and the weapon model is named by a weapon label,
// so they must match the registered names character for character.
#include <array>

#include <AntTweakBar.h>

constexpr int ClipCount = 15;
constexpr int WeaponCount = 4;

// Selected entry of "AnimationClips"; starts at "Walk".
extern int clipIndex;
// Selected entry of "WeaponTypes"; starts at "Sword".
extern int weaponIndex;

extern const std::array<TwEnumVal, ClipCount> clipEnumValues;
extern const std::array<TwEnumVal, WeaponCount> weaponEnumValues;

// The tweak-bar types of the two enums, defined when the demo creates its bar.
extern TwType clipEnumType;
extern TwType weaponEnumType;
