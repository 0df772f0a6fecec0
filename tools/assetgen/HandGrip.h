#pragma once
// The closed fists and where they hold a weapon. The app places a weapon at the right hand bone
// times a fixed offset; the hand bone's bind rotation is chosen here so that offset lands at the
// centre of the fist's grip, and the fingers are curled around that grip.
#include <Math/Math.h>

#include "WarriorSkeleton.h"

namespace AssetGen {

// The fixed offset from the hand bone to the weapon grip, in the hand bone's own space.
extern const Math::Vector3 kWeaponGripOffset;

// A hand's anatomical frame in the bind pose: `along` runs from the wrist to the knuckles,
// `palm` is the palm's outward normal (towards the thigh), `thumb` points to the thumb side.
struct HandFrame {
    Math::Vector3 wrist;
    Math::Vector3 along;
    Math::Vector3 palm;
    Math::Vector3 thumb;
    Math::Vector3 grip;      // centre of the grip, inside the curled fingers
    Math::Vector3 gripAxis;  // the handle's axis, pointing out of the fist on the thumb side
    // Direction away from the wrist, perpendicular to the grip axis.
    Math::Vector3 gripForward;
};

// The frame from the wrist position and the forearm's direction (the wrist is held straight).
HandFrame MakeHandFrame(Side side, const Math::Vector3& wrist, const Math::Vector3& forearmDirection);

// Model-space rotation of the hand bone: maps the grip offset onto the grip.
Math::Quaternion HandBoneRotation(const HandFrame& hand);

// Centre line of a curled finger (1 index .. 4 little finger) at `angle` radians around the
// grip, from the knuckle (0) to the fingertip (FingerCurl()).
Math::Vector3 FingerArcPoint(const HandFrame& hand, int finger, float angle);
float FingerRadius(int finger);
float FingerCurl();
// Centre line of the thumb from its root at the heel of the hand (0) to its tip (1).
Math::Vector3 ThumbPoint(const HandFrame& hand, float t);

}  // namespace AssetGen
