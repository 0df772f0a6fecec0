#pragma once
// How the warrior's body regions bind to the skeleton. Every shape on a region uses that
// region's binding, so overlapping shapes (skin, cloth and armour) bend together at the joints.
#include "MeshBuilder.h"
#include "WarriorSkeleton.h"

namespace AssetGen {

// Pelvis up through the spine to the head.
SkinFunction TorsoSkin();
// Neck and head, with the joint plane tilted so the chin and jaw follow the head.
SkinFunction HeadSkin();
// Pelvis, thigh, calf, foot and toe of one leg.
SkinFunction LegSkin(Side side);
// Chest, clavicle, upper arm, forearm and hand of one arm.
SkinFunction ArmSkin(Side side);
// The pelvis with the upper legs: the lower a point hangs below the belt the more it follows the
// thigh on its own side (both thighs near the middle line). For skirts and flaps.
SkinFunction HipSkin(float belt, float hem, float thighShare);

// The direction of the forearm in the bind pose.
Math::Vector3 ForearmDirection(Side side);
Math::Vector3 UpperArmDirection(Side side);

}  // namespace AssetGen
