#include "HandGrip.h"

#include <cmath>

#include "Rotations.h"

namespace AssetGen {

using Math::Vector3;

const Vector3 kWeaponGripOffset(9.75f, 2.8f, 6.305f);

namespace {

// The handle crosses the palm diagonally, tilted from the thumb direction towards the knuckles.
constexpr float kGripTilt = Radians(25.0f);
// Where the grip sits in the hand's frame (along, palm, thumb), before scaling to the offset's length.
const Vector3 kGripDirection(11.2f, 3.6f, 0.4f);
// Finger centre lines across the hand (thumb-side coordinate) and their curl radii.
constexpr float kFingerSpread[5] = {0.0f, 3.4f, 1.15f, -1.15f, -3.3f};
constexpr float kCurlRadius[5] = {0.0f, 2.6f, 2.6f, 2.5f, 2.3f};
constexpr float kFingerThickness[5] = {1.2f, 1.25f, 1.3f, 1.2f, 1.05f};

Vector3 InHand(const HandFrame& hand, const Vector3& anatomical) {
    return hand.wrist + hand.along * anatomical.x + hand.palm * anatomical.y + hand.thumb * anatomical.z;
}

Math::Quaternion FrameRotation(const Vector3& primary, const Vector3& secondary) {
    const Vector3 y = PerpendicularPart(secondary, primary);
    return FromBasis(primary, y, Math::Cross(primary, y));
}

}  // namespace

HandFrame MakeHandFrame(Side side, const Vector3& wrist, const Vector3& forearmDirection) {
    HandFrame hand;
    hand.wrist = wrist;
    hand.along = Math::Normalized(forearmDirection);
    hand.palm = PerpendicularPart(Vector3::unit_x * -SideSign(side), hand.along);
    hand.thumb = Math::Cross(hand.along, hand.palm) * -SideSign(side);
    hand.gripAxis = hand.thumb * std::cos(kGripTilt) + hand.along * std::sin(kGripTilt);
    hand.gripForward = hand.along * std::cos(kGripTilt) - hand.thumb * std::sin(kGripTilt);
    const Vector3 direction = Math::Normalized(kGripDirection);
    hand.grip = InHand(hand, direction * Math::Length(kWeaponGripOffset));
    return hand;
}

Math::Quaternion HandBoneRotation(const HandFrame& hand) {
    // Turn the offset onto the grip direction, with the bone's x axis as close to the hand's
    // length as that allows.
    const Vector3 offsetDirection = Math::Normalized(kWeaponGripOffset);
    const Vector3 gripDirection = Math::Normalized(hand.grip - hand.wrist);
    const Math::Quaternion local = FrameRotation(offsetDirection, Vector3::unit_x);
    const Math::Quaternion model = FrameRotation(gripDirection, hand.along);
    return model * Math::Conjugate(local);
}

Vector3 FingerArcPoint(const HandFrame& hand, int finger, float angle) {
    const float gripAcross = Math::Dot(hand.grip - hand.wrist, hand.thumb);
    const float alongAxis = (kFingerSpread[finger] - gripAcross) / std::cos(kGripTilt);
    const Vector3 center = hand.grip + hand.gripAxis * alongAxis;
    const Vector3 direction = hand.palm * -std::cos(angle) + hand.gripForward * std::sin(angle);
    return center + direction * kCurlRadius[finger];
}

float FingerRadius(int finger) { return kFingerThickness[finger]; }

float FingerCurl() { return Radians(235.0f); }

Vector3 ThumbPoint(const HandFrame& hand, float t) {
    // Root at the heel of the hand, wrapping over the curled index and middle fingers.
    static const Vector3 kKeys[4] = {Vector3(2.5f, 0.6f, 2.8f), Vector3(6.0f, 2.6f, 4.6f),
                                     Vector3(9.3f, 5.3f, 4.4f), Vector3(11.6f, 8.0f, 2.6f)};
    const float scaled = t * 3.0f;
    const int span = scaled >= 3.0f ? 2 : static_cast<int>(scaled);
    const float u = scaled - static_cast<float>(span);
    const Vector3 a = InHand(hand, kKeys[span]);
    const Vector3 b = InHand(hand, kKeys[span + 1]);
    return Math::Lerp(a, b, u);
}

}  // namespace AssetGen
