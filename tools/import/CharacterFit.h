#pragma once
// Puts an imported character where the demo expects its own: about 180 units tall, feet at
// y = 0, standing over the origin, facing +z, with the bone frames in those units (no scale
// pushed into them, so the weapon keeps its size). A character already close to that is left
// exactly as it is.
#include "Character.h"
#include "ImportOptions.h"

namespace CharacterImport {

constexpr float kTargetHeight = 180.0f;
// Sizes (the largest extent, a figure's height) in this range are kept; outside it the character
// is scaled so its size is kTargetHeight.
constexpr float kMinKeptHeight = 150.0f;
constexpr float kMaxKeptHeight = 210.0f;
// Feet lower or higher than this many units are put on the floor.
constexpr float kFeetTolerance = 1.0f;
// A body whose bind-pose bounds are centred further than this fraction of its height from the
// origin is moved over it (an asymmetric pose alone never moves it).
constexpr float kCentreTolerance = 0.25f;

void FitToDemo(Character& character, Facing facing);

// The bind pose's height (lowest to highest vertex).
float BindHeight(const Assets::MeshData& mesh);

}  // namespace CharacterImport
