// The warrior's armour over the body: cuirass, gorget, belt, mail skirt and tabard, pauldrons,
// arm and leg plates, gauntlet cuffs, and an open-faced helmet with a crest.
#include <cmath>

#include "BodyShapes.h"
#include "BodySkins.h"
#include "Rotations.h"
#include "SkinWeights.h"

namespace AssetGen {

using Math::Quaternion;
using Math::Vector3;

namespace {

constexpr Rgba kSteel{172, 177, 186, 255};
constexpr Rgba kDarkSteel{98, 103, 114, 255};
constexpr Rgba kGold{204, 162, 66, 255};
constexpr Rgba kLeather{104, 66, 38, 255};
constexpr Rgba kMail{118, 121, 128, 255};
constexpr Rgba kTabard{148, 28, 34, 255};

Vector3 At(int bone) { return WarriorBindPose()[bone].position; }

Surface Covered(const Rgba& color, SkinFunction skin) {
    Surface surface;
    surface.color = color;
    surface.skin = std::move(skin);
    return surface;
}

// A plate following a limb between two points: a short loft slightly proud of the limb.
void AddLimbPlate(MeshBuilder& builder, const Vector3& from, const Vector3& to, float radiusFrom, float radiusTo,
                  const Surface& surface) {
    Loft plate;
    plate.sides = 12;
    plate.subdivisions = 1;
    plate.xReference = Vector3::unit_z;
    plate.startDome = 0.8f;
    plate.endDome = 0.8f;
    plate.rings = {{from, radiusFrom, radiusFrom * 0.97f, 2.4f},
                   {Math::Lerp(from, to, 0.5f), 0.5f * (radiusFrom + radiusTo) * 1.04f,
                    0.5f * (radiusFrom + radiusTo), 2.4f},
                   {to, radiusTo, radiusTo * 0.97f, 2.4f}};
    builder.AddLoft(plate, surface);
}

// A dome over `base` rising along `up`: radii rx, rz at the rim, `height` to the crown.
void AddShellDome(MeshBuilder& builder, const Vector3& base, const Vector3& up, const Vector3& across, float rx,
                  float rz, float height, const Surface& surface) {
    Loft dome;
    dome.sides = 16;
    dome.subdivisions = 1;
    dome.xReference = across;
    for (int k = 0; k <= 5; ++k) {
        const float angle = 0.5f * kPi * static_cast<float>(k) / 5.0f;
        const float shrink = k == 5 ? 0.0f : std::cos(angle);
        dome.rings.push_back({base + up * (height * std::sin(angle)), rx * shrink, rz * shrink});
    }
    builder.AddLoft(dome, surface);
}

void AddTorsoArmour(MeshBuilder& builder) {
    Surface cuirass = Covered(kSteel, TorsoSkin());
    // Lames across the belly, a gold edge at the top and bottom.
    cuirass.paint = [](const Vector3& p, float, float along) {
        if (along < 0.05f || along > 0.93f) {
            return kGold;
        }
        const bool lameLine = p.y < 121.0f && std::fmod(p.y - 104.0f, 5.0f) < 0.7f;
        return lameLine ? kDarkSteel : kSteel;
    };
    Loft plate;
    plate.sides = 28;
    plate.startDome = 0.0f;
    plate.endDome = 2.0f;
    plate.rings = {{Vector3(0.0f, 103.5f, 0.8f), 16.6f, 12.0f, 2.3f}, {Vector3(0.0f, 110.0f, 1.2f), 15.8f, 11.8f, 2.3f},
                   {Vector3(0.0f, 120.0f, 1.8f), 16.8f, 12.6f, 2.3f}, {Vector3(0.0f, 131.0f, 2.0f), 19.0f, 13.6f, 2.3f},
                   {Vector3(0.0f, 140.0f, 1.2f), 20.0f, 12.8f, 2.3f}, {Vector3(0.0f, 146.5f, -0.5f), 17.0f, 10.0f, 2.3f}};
    builder.AddLoft(plate, cuirass);

    Loft gorget;
    gorget.sides = 16;
    gorget.subdivisions = 1;
    gorget.startDome = 1.0f;
    gorget.endDome = 0.6f;
    gorget.rings = {{Vector3(0.0f, 145.0f, -1.0f), 11.0f, 8.8f}, {Vector3(0.0f, 150.0f, -1.0f), 8.0f, 7.4f},
                    {Vector3(0.0f, 155.0f, -0.5f), 6.8f, 6.8f}};
    builder.AddLoft(gorget, Covered(kDarkSteel, HeadSkin()));

    Loft belt;
    belt.sides = 24;
    belt.subdivisions = 0;
    belt.rings = {{Vector3(0.0f, 99.5f, 0.6f), 17.4f, 12.7f, 2.4f}, {Vector3(0.0f, 104.5f, 0.8f), 17.2f, 12.6f, 2.4f}};
    builder.AddLoft(belt, Covered(kLeather, TorsoSkin()));
    builder.AddRoundedBox(Vector3(0.0f, 102.0f, 13.2f), Vector3(3.2f, 2.8f, 0.9f), Quaternion(),
                          Covered(kGold, RigidSkin(Pelvis)));

    // Mail skirt from the belt over the hips, its hem following the thighs.
    Loft skirt;
    skirt.sides = 28;
    skirt.subdivisions = 2;
    skirt.startDome = 0.0f;
    skirt.endDome = 0.0f;
    skirt.rings = {{Vector3(0.0f, 100.0f, 0.6f), 16.8f, 12.2f}, {Vector3(0.0f, 92.0f, 0.4f), 18.6f, 13.2f},
                   {Vector3(0.0f, 84.0f, 0.2f), 19.8f, 14.2f}};
    builder.AddLoft(skirt, Covered(kMail, HipSkin(99.0f, 84.0f, 0.7f)));

    // Tabard flaps front and back, hanging from the belt.
    for (float facing : {1.0f, -1.0f}) {
        Surface cloth = Covered(kTabard, HipSkin(100.0f, 70.0f, 0.45f));
        cloth.paint = [](const Vector3&, float, float along) { return along > 0.9f ? kGold : kTabard; };
        Loft flap;
        flap.sides = 10;
        flap.subdivisions = 2;
        flap.xReference = Vector3::unit_x;
        flap.startDome = 0.0f;
        flap.endDome = 0.6f;
        const float z = facing > 0.0f ? 13.3f : -12.8f;
        flap.rings = {{Vector3(0.0f, 101.0f, z), 7.0f, 0.9f, 5.0f},
                      {Vector3(0.0f, 86.0f, z + facing * 2.2f), 7.6f, 0.8f, 5.0f},
                      {Vector3(0.0f, 72.0f, z + facing * 3.5f), 8.0f, 0.7f, 5.0f}};
        builder.AddLoft(flap, cloth);
    }
}

void AddArmArmour(MeshBuilder& builder, Side side) {
    const float s = SideSign(side);
    const Vector3 shoulder = At(UpperArm(side));
    const Vector3 elbow = At(Forearm(side));
    const Vector3 wrist = At(Hand(side));
    const Vector3 upperArm = UpperArmDirection(side);
    const Vector3 forearm = ForearmDirection(side);

    // Pauldrons ride between clavicle and upper arm, sloping down over the shoulder.
    const SkinFunction shoulderSkin = MixSkins(RigidSkin(Clavicle(side)), RigidSkin(UpperArm(side)),
                                               [](const Vector3&) { return 0.65f; });
    Surface pauldron = Covered(kSteel, shoulderSkin);
    pauldron.paint = [](const Vector3&, float, float along) { return along < 0.1f ? kGold : kSteel; };
    const Quaternion slope = Quaternion::RotateZ(Radians(28.0f * s));
    AddShellDome(builder, shoulder + Vector3(-s * 1.0f, 1.5f, -0.5f), Math::Rotate(slope, Vector3::unit_y),
                 Math::Rotate(slope, Vector3::unit_x), 11.0f, 12.0f, 7.5f, pauldron);
    const Quaternion lowerSlope = Quaternion::RotateZ(Radians(48.0f * s));
    AddShellDome(builder, shoulder + Vector3(s * 4.5f, -4.5f, -0.5f), Math::Rotate(lowerSlope, Vector3::unit_y),
                 Math::Rotate(lowerSlope, Vector3::unit_x), 8.5f, 10.5f, 5.0f, pauldron);

    const Surface plate = Covered(kSteel, ArmSkin(side));
    AddLimbPlate(builder, shoulder + upperArm * 9.0f, elbow - upperArm * 3.5f, 6.4f, 5.4f, plate);
    builder.AddEllipsoid(elbow - Vector3(0.0f, 0.0f, 2.0f), Vector3(4.8f, 4.8f, 4.2f), Quaternion(), 12, 8,
                         Covered(kDarkSteel, ArmSkin(side)));
    AddLimbPlate(builder, elbow + forearm * 3.5f, wrist - forearm * 4.0f, 5.5f, 4.4f, plate);

    // Gauntlet cuff flaring over the wrist.
    Loft cuff;
    cuff.sides = 14;
    cuff.xReference = Vector3::unit_z;
    cuff.startDome = 0.5f;
    cuff.endDome = 0.5f;
    cuff.rings = {{wrist - forearm * 5.0f, 4.6f, 4.4f, 2.4f}, {wrist + forearm * 0.5f, 5.4f, 5.0f, 2.4f}};
    Surface cuffSurface = Covered(kSteel, ArmSkin(side));
    cuffSurface.paint = [](const Vector3&, float, float along) { return along > 0.85f ? kGold : kSteel; };
    builder.AddLoft(cuff, cuffSurface);
}

void AddLegArmour(MeshBuilder& builder, Side side) {
    const float s = SideSign(side);
    const Surface plate = Covered(kSteel, LegSkin(side));
    AddLimbPlate(builder, Vector3(s * 9.6f, 86.0f, 1.6f), Vector3(s * 9.7f, 60.0f, 2.2f), 8.6f, 6.9f, plate);
    builder.AddEllipsoid(At(Calf(side)) + Vector3(0.0f, 0.0f, 4.4f), Vector3(5.6f, 6.2f, 3.4f), Quaternion(), 12, 8,
                         Covered(kDarkSteel, LegSkin(side)));
    AddLimbPlate(builder, Vector3(s * 9.75f, 46.0f, 1.2f), Vector3(s * 9.8f, 27.0f, 0.4f), 6.6f, 6.0f, plate);
}

void AddHelmet(MeshBuilder& builder) {
    const SkinFunction head = RigidSkin(Head);
    // The shell sits tilted back so its rim rides above the brow in front and covers the ears
    // and the back of the skull.
    const Quaternion tilt = Quaternion::RotateX(Radians(-20.0f));
    const Vector3 up = Math::Rotate(tilt, Vector3::unit_y);
    const Vector3 across = Vector3::unit_x;
    const Vector3 base(0.0f, 169.2f, 2.4f);
    Loft shell;
    shell.sides = 24;
    shell.startDome = 0.0f;
    shell.xReference = across;
    shell.rings = {{base, 10.4f, 11.7f},
                   {base + up * 3.5f, 10.6f, 11.9f},
                   {base + up * 8.0f, 9.6f, 10.8f},
                   {base + up * 11.5f, 6.6f, 7.6f},
                   {base + up * 13.6f, 0.0f, 0.0f}};
    builder.AddLoft(shell, Covered(kSteel, head));

    Loft brow;
    brow.sides = 24;
    brow.subdivisions = 0;
    brow.xReference = across;
    brow.rings = {{base - up * 0.4f, 11.0f, 12.3f}, {base + up * 2.0f, 11.0f, 12.3f}};
    builder.AddLoft(brow, Covered(kGold, head));

    builder.AddRoundedBox(Vector3(0.0f, 168.8f, 12.5f), Vector3(0.9f, 3.6f, 0.8f), Quaternion::RotateX(Radians(-10.0f)),
                          Covered(kSteel, head));
    for (Side side : kSides) {
        const float s = SideSign(side);
        const Quaternion cheek = Quaternion::RotateY(Radians(18.0f * s)) * Quaternion::RotateZ(Radians(-8.0f * s));
        builder.AddEllipsoid(Vector3(s * 8.9f, 163.0f, 3.0f), Vector3(1.8f, 6.6f, 5.0f), cheek, 14, 10,
                             Covered(kSteel, head));
    }
    builder.AddEllipsoid(Vector3(0.0f, 163.5f, -7.8f), Vector3(10.2f, 6.2f, 3.6f), Quaternion::RotateX(Radians(28.0f)),
                         18, 10, Covered(kSteel, head));

    // A crest running from the brow over the crown to the nape.
    Loft crest;
    crest.sides = 10;
    crest.subdivisions = 2;
    crest.xReference = Vector3::unit_x;
    crest.startDome = 1.0f;
    crest.endDome = 1.5f;
    crest.rings = {{Vector3(0.0f, 179.0f, 9.0f), 1.4f, 2.0f}, {Vector3(0.0f, 184.6f, 3.0f), 1.9f, 3.6f},
                   {Vector3(0.0f, 185.0f, -5.0f), 2.1f, 4.0f}, {Vector3(0.0f, 179.5f, -12.5f), 1.7f, 3.2f},
                   {Vector3(0.0f, 171.5f, -14.5f), 1.1f, 1.8f}};
    builder.AddLoft(crest, Covered(kTabard, head));
}

}  // namespace

void AddArmour(MeshBuilder& builder) {
    AddTorsoArmour(builder);
    for (Side side : kSides) {
        AddArmArmour(builder, side);
        AddLegArmour(builder, side);
    }
    AddHelmet(builder);
}

}  // namespace AssetGen
