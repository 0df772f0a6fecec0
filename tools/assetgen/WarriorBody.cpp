// The body itself: trunk, neck, head and face, arms, closed fists, legs and boots.
#include <cmath>

#include "BodyShapes.h"
#include "BodySkins.h"
#include "HandGrip.h"
#include "Rotations.h"
#include "SkinWeights.h"

namespace AssetGen {

using Math::Quaternion;
using Math::Vector3;

namespace {

Vector3 At(int bone) { return WarriorBindPose()[bone].position; }

Surface Covered(const Rgba& color, SkinFunction skin) {
    Surface surface;
    surface.color = color;
    surface.skin = std::move(skin);
    return surface;
}

void AddTrunk(MeshBuilder& builder, const Outfit& outfit) {
    // Cross-sections from the crotch up to the base of the neck: width, depth, forward shift.
    Loft trunk;
    trunk.sides = 20;
    trunk.startDome = 5.0f;
    trunk.rings = {{Vector3(0.0f, 86.0f, 0.0f), 9.0f, 7.0f},     {Vector3(0.0f, 92.0f, 0.0f), 14.5f, 9.5f},
                   {Vector3(0.0f, 100.0f, 0.0f), 15.0f, 10.0f},  {Vector3(0.0f, 108.0f, 0.5f), 13.8f, 9.5f},
                   {Vector3(0.0f, 118.0f, 1.0f), 15.0f, 10.5f},  {Vector3(0.0f, 130.0f, 1.0f), 17.5f, 11.5f},
                   {Vector3(0.0f, 140.0f, 0.5f), 19.0f, 11.0f},  {Vector3(0.0f, 146.5f, -0.5f), 16.5f, 9.0f},
                   {Vector3(0.0f, 150.5f, -1.0f), 8.0f, 6.5f}};
    trunk.endDome = 1.0f;
    // Trousers up to the waist, the shirt or undercoat above.
    Surface clothes = Covered(outfit.torso, TorsoSkin());
    clothes.paint = [outfit](const Vector3& p, float, float) { return p.y < 101.0f ? outfit.legs : outfit.torso; };
    builder.AddLoft(trunk, clothes);

    Loft neck;
    neck.sides = 14;
    neck.rings = {{Vector3(0.0f, 147.0f, -1.5f), 6.5f, 6.0f},
                  {Vector3(0.0f, 155.0f, -0.5f), 5.3f, 5.2f},
                  {Vector3(0.0f, 163.0f, 0.5f), 5.5f, 5.5f}};
    neck.startDome = 1.0f;
    neck.endDome = 1.0f;
    builder.AddLoft(neck, Covered(outfit.skin, HeadSkin()));
}

void AddHead(MeshBuilder& builder, const Outfit& outfit) {
    const Surface skin = Covered(outfit.skin, HeadSkin());
    const Surface rigidSkin = Covered(outfit.skin, RigidSkin(Head));
    builder.AddEllipsoid(Vector3(0.0f, 169.5f, 1.0f), Vector3(8.8f, 11.0f, 10.2f), Quaternion(), 18, 12, skin);
    builder.AddEllipsoid(Vector3(0.0f, 162.5f, 4.0f), Vector3(6.6f, 5.0f, 6.4f), Quaternion(), 14, 8, skin);
    builder.AddEllipsoid(Vector3(0.0f, 167.5f, 10.6f), Vector3(1.3f, 2.6f, 1.8f),
                         Quaternion::RotateX(Radians(-15.0f)), 10, 8, rigidSkin);
    const Surface eyes = Covered(Rgba{35, 28, 24, 255}, RigidSkin(Head));
    const Surface brows = Covered(outfit.beard, RigidSkin(Head));
    for (Side side : kSides) {
        const float s = SideSign(side);
        builder.AddEllipsoid(Vector3(s * 3.3f, 170.5f, 9.4f), Vector3(1.25f, 1.0f, 1.0f), Quaternion(), 10, 6, eyes);
        builder.AddEllipsoid(Vector3(s * 3.4f, 172.6f, 10.0f), Vector3(2.3f, 0.7f, 1.0f),
                             Quaternion::RotateZ(Radians(-8.0f * s)), 10, 6, brows);
        builder.AddEllipsoid(Vector3(s * 8.8f, 168.5f, 0.5f), Vector3(1.2f, 2.6f, 1.8f), Quaternion(), 10, 6,
                             rigidSkin);
    }
    if (outfit.bearded) {
        const Surface beard = Covered(outfit.beard, HeadSkin());
        builder.AddEllipsoid(Vector3(0.0f, 159.6f, 6.6f), Vector3(5.6f, 4.0f, 5.0f), Quaternion(), 16, 10, beard);
        builder.AddEllipsoid(Vector3(0.0f, 164.4f, 10.4f), Vector3(3.4f, 0.8f, 1.2f), Quaternion(), 10, 6, beard);
    }
    if (outfit.hairCap) {
        builder.AddEllipsoid(Vector3(0.0f, 172.5f, -0.6f), Vector3(9.4f, 9.2f, 10.6f),
                             Quaternion::RotateX(Radians(-12.0f)), 20, 12, Covered(outfit.hair, RigidSkin(Head)));
    }
}

void AddArm(MeshBuilder& builder, const Outfit& outfit, Side side) {
    const float s = SideSign(side);
    const Vector3 shoulder = At(UpperArm(side));
    const Vector3 elbow = At(Forearm(side));
    const Vector3 wrist = At(Hand(side));
    Loft arm;
    arm.sides = 12;
    arm.xReference = Vector3::unit_z;
    arm.startDome = 3.0f;
    arm.endDome = 1.5f;
    arm.rings = {{shoulder + Vector3(-s * 3.0f, 2.5f, 0.0f), 6.5f, 6.5f},
                 {shoulder, 6.6f, 6.4f},
                 {Math::Lerp(shoulder, elbow, 0.5f), 5.6f, 5.2f},
                 {elbow, 4.4f, 4.3f},
                 {Math::Lerp(elbow, wrist, 0.35f), 4.7f, 4.3f},
                 {wrist, 3.4f, 3.0f}};
    builder.AddLoft(arm, Covered(outfit.sleeves, ArmSkin(side)));
}

// Bone weights along a finger's centre line, from its joints' share of the line's length.
SkinFunction FingerSkin(const std::vector<Vector3>& path, const std::vector<int>& bones,
                        const std::vector<int>& jointIndices) {
    std::vector<float> distances(1, 0.0f);
    for (size_t i = 1; i < path.size(); ++i) {
        distances.push_back(distances.back() + Math::Length(path[i] - path[i - 1]));
    }
    std::vector<float> starts;
    for (int index : jointIndices) {
        starts.push_back(distances[index] / distances.back());
    }
    return PathSkin(bones, starts, 0.05f);
}

void AddFist(MeshBuilder& builder, const Outfit& outfit, Side side) {
    const Vector3 forearm = ForearmDirection(side);
    const HandFrame hand = MakeHandFrame(side, At(Hand(side)), forearm);
    Loft palm;
    palm.sides = 12;
    palm.subdivisions = 1;
    palm.xReference = hand.thumb;
    palm.startDome = 1.0f;
    palm.endDome = 1.8f;
    const Vector3 thickness = hand.palm * 0.1f;
    palm.rings = {{hand.wrist + thickness, 3.6f, 2.5f, 2.6f},
                  {hand.wrist + hand.along * 4.0f + thickness, 4.6f, 2.4f, 2.6f},
                  {hand.wrist + hand.along * 8.0f + thickness, 5.0f, 2.3f, 2.6f},
                  {hand.wrist + hand.along * 10.6f + thickness, 5.0f, 2.1f, 2.6f}};
    builder.AddLoft(palm, Covered(outfit.hands, ArmSkin(side)));

    // Fingers curl around the grip from inside the palm: joints at 0, 100 and 175 degrees of curl.
    for (int finger = 1; finger < 5; ++finger) {
        std::vector<Vector3> path;
        path.push_back(FingerArcPoint(hand, finger, 0.0f) - hand.gripForward * 1.5f);
        const int steps = 4;
        for (int k = 0; k <= steps; ++k) {
            path.push_back(FingerArcPoint(hand, finger, FingerCurl() * static_cast<float>(k) / steps));
        }
        // Path indices nearest the joints' curl angles: 0 deg -> 1, 100 deg -> 3, 175 deg -> 4.
        const SkinFunction skin = FingerSkin(
            path,
            {Hand(side), FingerBone(side, finger, 0), FingerBone(side, finger, 1), FingerBone(side, finger, 2)},
            {0, 1, 3, 4});
        Loft loft;
        loft.sides = 6;
        loft.subdivisions = 1;
        loft.xReference = hand.gripAxis;
        loft.startDome = 0.8f;
        loft.endDome = 0.9f;
        const float radius = FingerRadius(finger);
        for (size_t i = 0; i < path.size(); ++i) {
            const float taper = 1.0f - 0.18f * static_cast<float>(i) / static_cast<float>(path.size() - 1);
            loft.rings.push_back({path[i], radius * taper, radius * taper * 0.95f});
        }
        builder.AddLoft(loft, Covered(outfit.hands, skin));
    }
    Loft thumb;
    thumb.sides = 7;
    thumb.subdivisions = 1;
    thumb.xReference = hand.along;
    thumb.startDome = 1.0f;
    thumb.endDome = 1.0f;
    std::vector<Vector3> path;
    for (int k = 0; k <= 3; ++k) {
        path.push_back(ThumbPoint(hand, static_cast<float>(k) / 3.0f));
    }
    const float thumbRadii[4] = {1.9f, 1.5f, 1.3f, 1.15f};
    for (int k = 0; k <= 3; ++k) {
        thumb.rings.push_back({path[k], thumbRadii[k], thumbRadii[k]});
    }
    builder.AddLoft(thumb, Covered(outfit.hands, FingerSkin(path,
                                                            {Hand(side), FingerBone(side, 0, 0),
                                                             FingerBone(side, 0, 1), FingerBone(side, 0, 2)},
                                                            {0, 0, 1, 2})));
}

void AddLeg(MeshBuilder& builder, const Outfit& outfit, Side side) {
    const float s = SideSign(side);
    Loft leg;
    leg.sides = 14;
    leg.startDome = 3.0f;
    leg.endDome = 1.0f;
    leg.rings = {{Vector3(s * 8.5f, 104.0f, 0.0f), 9.0f, 10.0f},  {At(Thigh(side)), 8.6f, 9.8f},
                 {Vector3(s * 9.7f, 76.0f, 1.5f), 7.4f, 8.2f},   {At(Calf(side)), 5.6f, 5.8f},
                 {Vector3(s * 9.8f, 38.0f, 0.0f), 5.6f, 6.4f},   {Vector3(s * 9.8f, 14.0f, -0.5f), 3.9f, 4.2f}};
    builder.AddLoft(leg, Covered(outfit.legs, LegSkin(side)));
}

void AddBoot(MeshBuilder& builder, const Outfit& outfit, Side side) {
    const float x = SideSign(side) * 9.8f;
    const Surface leather = Covered(outfit.boots, LegSkin(side));
    // The foot, heel to toe; every section rests on the sole's top at y = 1.2.
    Loft foot;
    foot.sides = 14;
    foot.subdivisions = 1;
    foot.xReference = Vector3::unit_x;
    foot.startDome = 1.5f;
    foot.endDome = 1.8f;
    auto section = [&](float z, float halfWidth, float halfHeight) {
        return LoftRing{Vector3(x, 1.2f + halfHeight, z), halfWidth, halfHeight, 2.8f};
    };
    foot.rings = {section(-6.2f, 3.8f, 4.6f), section(-3.0f, 4.5f, 5.4f), section(3.0f, 4.6f, 5.6f),
                  section(9.0f, 5.0f, 3.6f),  section(14.5f, 4.9f, 2.4f), section(19.0f, 4.1f, 1.9f)};
    builder.AddLoft(foot, leather);

    Loft sole;
    sole.sides = 12;
    sole.subdivisions = 1;
    sole.startDome = 1.2f;
    sole.endDome = 1.2f;
    sole.rings = {{Vector3(x, 0.65f, -6.3f), 4.1f, 0.65f, 6.0f},
                  {Vector3(x, 0.65f, 8.0f), 5.2f, 0.65f, 6.0f},
                  {Vector3(x, 0.65f, 19.3f), 4.3f, 0.65f, 6.0f}};
    builder.AddLoft(sole, Covered(outfit.soles, LegSkin(side)));

    // The shaft around the ankle, a little wider at the top.
    Loft shaft;
    shaft.sides = 14;
    shaft.subdivisions = 1;
    shaft.startDome = 1.0f;
    shaft.endDome = 0.8f;
    shaft.rings = {{Vector3(x, 4.0f, -1.0f), 5.0f, 5.6f},
                   {Vector3(x, 12.0f, -0.8f), 5.0f, 5.4f},
                   {Vector3(x, 24.0f, -0.3f), 6.2f, 6.6f},
                   {Vector3(x, 30.0f, 0.0f), 6.9f, 7.3f}};
    builder.AddLoft(shaft, leather);
}

}  // namespace

void AddBody(MeshBuilder& builder, const Outfit& outfit) {
    AddTrunk(builder, outfit);
    AddHead(builder, outfit);
    for (Side side : kSides) {
        AddArm(builder, outfit, side);
        AddFist(builder, outfit, side);
        AddLeg(builder, outfit, side);
        AddBoot(builder, outfit, side);
    }
}

}  // namespace AssetGen
