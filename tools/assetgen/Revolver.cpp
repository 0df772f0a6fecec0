// "Cerberus": a heavy revolver with a wooden grip, a fluted cylinder and a long barrel over an
// ejector housing. The grip runs along the handle axis; the barrel points away from the wrist,
// raked up so it points straight ahead when the forearm is held level.
#include <cmath>

#include "MeshBuilder.h"
#include "Rotations.h"
#include "Weapons.h"

namespace AssetGen {

using Math::Quaternion;
using Math::Vector3;

namespace {

constexpr Rgba kGunmetal{58, 62, 70, 255};
constexpr Rgba kSteel{150, 156, 166, 255};
constexpr Rgba kWood{112, 66, 34, 255};
constexpr Rgba kBrass{196, 160, 80, 255};

// Angle between the handle (towards the frame) and the barrel.
constexpr float kGripAngle = Radians(70.0f);

Surface Plain(const Rgba& color) {
    Surface surface;
    surface.color = color;
    return surface;
}

}  // namespace

Assets::MeshData BuildRevolverMesh() {
    MeshBuilder builder(false);
    const Vector3 barrel = Vector3::unit_z * std::sin(kGripAngle) + Vector3::unit_y * std::cos(kGripAngle);
    const Quaternion alongBarrel = FromTo(Vector3::unit_z, barrel);
    const Vector3 breech(0.0f, 8.0f, -1.5f);  // back of the cylinder, above the grip

    Loft grip;
    grip.sides = 14;
    grip.subdivisions = 3;
    grip.xReference = Vector3::unit_x;
    grip.startDome = 1.6f;
    grip.rings = {{Vector3(0.0f, -6.0f, -1.2f), 1.55f, 2.4f, 2.6f}, {Vector3(0.0f, 0.0f, 0.0f), 1.6f, 2.3f, 2.6f},
                  {Vector3(0.0f, 5.5f, 0.2f), 1.5f, 2.1f, 2.6f}};
    grip.endDome = 0.5f;
    builder.AddLoft(grip, Plain(kWood));

    builder.AddRoundedBox(breech + barrel * 2.5f + Vector3(0.0f, -0.4f, 0.0f), Vector3(1.5f, 2.8f, 5.5f), alongBarrel,
                          Plain(kGunmetal));

    Loft cylinder;
    cylinder.sides = 18;
    cylinder.subdivisions = 1;
    cylinder.xReference = Vector3::unit_x;
    cylinder.startDome = 0.6f;
    cylinder.endDome = 0.6f;
    cylinder.rings = {{breech + barrel * 0.4f, 2.8f, 2.8f}, {breech + barrel * 5.6f, 2.8f, 2.8f}};
    Surface fluted = Plain(kSteel);
    fluted.paint = [](const Vector3&, float around, float) {
        return std::fmod(around * 6.0f, 1.0f) < 0.3f ? kGunmetal : kSteel;
    };
    builder.AddLoft(cylinder, fluted);

    Loft tube;
    tube.sides = 14;
    tube.subdivisions = 1;
    tube.xReference = Vector3::unit_x;
    tube.startDome = 0.3f;
    tube.endDome = 0.4f;
    const Vector3 muzzle = breech + barrel * 24.0f;
    tube.rings = {{breech + barrel * 5.0f + Vector3(0.0f, 0.9f, 0.0f), 1.2f, 1.2f},
                  {muzzle + Vector3(0.0f, 0.9f, 0.0f), 1.05f, 1.05f}};
    builder.AddLoft(tube, Plain(kGunmetal));
    tube.rings = {{breech + barrel * 6.0f + Vector3(0.0f, -1.3f, 0.0f), 0.9f, 0.9f},
                  {muzzle + Vector3(0.0f, -1.3f, 0.0f) - barrel * 4.0f, 0.85f, 0.85f}};
    builder.AddLoft(tube, Plain(kSteel));
    builder.AddRoundedBox(muzzle + Vector3(0.0f, 2.5f, 0.0f) - barrel * 1.0f, Vector3(0.35f, 0.7f, 0.6f), alongBarrel,
                          Plain(kBrass));

    // Hammer behind the cylinder; trigger and its guard in front of the grip.
    builder.AddRoundedBox(breech + Vector3(0.0f, 1.6f, -1.6f), Vector3(0.6f, 1.6f, 0.9f),
                          Quaternion::RotateX(Radians(-35.0f)), Plain(kGunmetal));
    builder.AddRoundedBox(Vector3(0.0f, 4.4f, 2.4f), Vector3(0.4f, 1.4f, 0.5f), Quaternion::RotateX(Radians(20.0f)),
                          Plain(kBrass));
    Loft guard;
    guard.sides = 8;
    guard.subdivisions = 2;
    guard.xReference = Vector3::unit_x;
    guard.startDome = 0.3f;
    guard.endDome = 0.3f;
    guard.rings = {{Vector3(0.0f, 6.0f, 4.6f), 0.45f, 0.45f}, {Vector3(0.0f, 3.6f, 5.2f), 0.45f, 0.45f},
                   {Vector3(0.0f, 2.2f, 3.0f), 0.45f, 0.45f}, {Vector3(0.0f, 2.6f, 1.2f), 0.45f, 0.45f}};
    builder.AddLoft(guard, Plain(kGunmetal));

    Assets::MeshData mesh = builder.Take();
    TransformMesh(mesh, Math::ToMatrix4(GripFrameToHandBone()));
    return mesh;
}

}  // namespace AssetGen
