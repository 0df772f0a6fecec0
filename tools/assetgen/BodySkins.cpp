#include "BodySkins.h"

#include "SkinWeights.h"

namespace AssetGen {

using Math::Vector3;

namespace {

Vector3 At(int bone) { return WarriorBindPose()[bone].position; }

}  // namespace

Vector3 UpperArmDirection(Side side) { return Math::Normalized(At(Forearm(side)) - At(UpperArm(side))); }

Vector3 ForearmDirection(Side side) { return Math::Normalized(At(Hand(side)) - At(Forearm(side))); }

SkinFunction TorsoSkin() {
    return ChainSkin({{Pelvis, {}, {}, 0.0f},
                      {Spine1, At(Spine1), Vector3::unit_y, 4.0f},
                      {Spine2, At(Spine2), Vector3::unit_y, 5.0f},
                      {Chest, At(Chest), Vector3::unit_y, 5.0f},
                      {Neck, At(Neck), Vector3::unit_y, 3.0f},
                      {Head, At(Head), Math::Normalized(Vector3(0.0f, 0.6f, 0.8f)), 3.0f}});
}

SkinFunction HeadSkin() {
    return ChainSkin({{Chest, {}, {}, 0.0f},
                      {Neck, At(Neck), Vector3::unit_y, 3.0f},
                      {Head, At(Head), Math::Normalized(Vector3(0.0f, 0.6f, 0.8f)), 3.0f}});
}

SkinFunction LegSkin(Side side) {
    return ChainSkin({{Pelvis, {}, {}, 0.0f},
                      {Thigh(side), At(Thigh(side)), Vector3(0.0f, -1.0f, 0.0f), 6.0f},
                      {Calf(side), At(Calf(side)), Vector3(0.0f, -1.0f, 0.0f), 5.0f},
                      {Foot(side), At(Foot(side)), Vector3(0.0f, -1.0f, 0.0f), 3.0f},
                      {Toe(side), At(Toe(side)), Vector3::unit_z, 2.5f}});
}

SkinFunction ArmSkin(Side side) {
    return ChainSkin({{Chest, {}, {}, 0.0f},
                      {Clavicle(side), At(Clavicle(side)), Vector3::unit_x * SideSign(side), 3.0f},
                      {UpperArm(side), At(UpperArm(side)), UpperArmDirection(side), 5.0f},
                      {Forearm(side), At(Forearm(side)), UpperArmDirection(side), 4.0f},
                      {Hand(side), At(Hand(side)), ForearmDirection(side), 2.5f}});
}

SkinFunction HipSkin(float belt, float hem, float thighShare) {
    const SkinFunction legs = MixSkins(LegSkin(Side::Left), LegSkin(Side::Right), [](const Vector3& p) {
        return SmoothStep(6.0f, -6.0f, p.x);
    });
    return MixSkins(RigidSkin(Pelvis), legs,
                    [=](const Vector3& p) { return thighShare * SmoothStep(belt, hem, p.y); });
}

}  // namespace AssetGen
