// A knightly sword: leather-wrapped grip, gold cross-guard and pommel, a long tapering blade.
#include <cmath>

#include "MeshBuilder.h"
#include "Rotations.h"
#include "Weapons.h"

namespace AssetGen {

using Math::Vector3;

namespace {

constexpr Rgba kBlade{206, 211, 222, 255};
constexpr Rgba kFuller{150, 156, 170, 255};
constexpr Rgba kGold{206, 164, 70, 255};
constexpr Rgba kGrip{72, 44, 28, 255};
constexpr Rgba kWrap{104, 66, 40, 255};

Surface Plain(const Rgba& color) {
    Surface surface;
    surface.color = color;
    return surface;
}

}  // namespace

Assets::MeshData BuildSwordMesh() {
    MeshBuilder builder(false);

    Loft grip;
    grip.sides = 12;
    grip.subdivisions = 4;
    grip.xReference = Vector3::unit_x;
    grip.rings = {{Vector3(0.0f, -6.5f, 0.0f), 1.3f, 1.45f}, {Vector3(0.0f, 0.0f, 0.0f), 1.45f, 1.6f},
                  {Vector3(0.0f, 6.5f, 0.0f), 1.3f, 1.45f}};
    Surface wrapped = Plain(kGrip);
    wrapped.paint = [](const Vector3& p, float, float) {
        return std::fmod(p.y + 20.0f, 1.6f) < 0.55f ? kWrap : kGrip;
    };
    builder.AddLoft(grip, wrapped);

    builder.AddEllipsoid(Vector3(0.0f, -8.6f, 0.0f), Vector3(2.1f, 2.1f, 2.4f), Math::Quaternion::RotateX(kPi / 2), 14,
                         10, Plain(kGold));

    // The guard runs across the edges, its tips bending slightly towards the blade.
    Loft guard;
    guard.sides = 10;
    guard.subdivisions = 3;
    guard.xReference = Vector3::unit_x;
    guard.startDome = 1.0f;
    guard.endDome = 1.0f;
    guard.rings = {{Vector3(0.0f, 7.9f, -10.0f), 1.0f, 1.1f}, {Vector3(0.0f, 7.3f, -5.0f), 1.2f, 1.3f},
                   {Vector3(0.0f, 7.2f, 0.0f), 1.5f, 1.6f},   {Vector3(0.0f, 7.3f, 5.0f), 1.2f, 1.3f},
                   {Vector3(0.0f, 7.9f, 10.0f), 1.0f, 1.1f}};
    builder.AddLoft(guard, Plain(kGold));

    // Lozenge-section blade: thin across the flats (x), wide across the edges (z), to a point.
    Loft blade;
    blade.sides = 12;
    blade.subdivisions = 3;
    blade.xReference = Vector3::unit_x;
    blade.startDome = 0.0f;
    blade.rings = {{Vector3(0.0f, 8.0f, 0.0f), 0.85f, 3.1f, 1.4f}, {Vector3(0.0f, 40.0f, 0.0f), 0.75f, 2.7f, 1.4f},
                   {Vector3(0.0f, 78.0f, 0.0f), 0.6f, 2.1f, 1.4f},  {Vector3(0.0f, 90.0f, 0.0f), 0.4f, 1.2f, 1.4f},
                   {Vector3(0.0f, 96.0f, 0.0f), 0.0f, 0.0f}};
    Surface steel = Plain(kBlade);
    steel.paint = [](const Vector3& p, float, float along) {
        return (std::fabs(p.z) < 0.5f && along < 0.75f) ? kFuller : kBlade;
    };
    builder.AddLoft(blade, steel);

    Assets::MeshData mesh = builder.Take();
    TransformMesh(mesh, Math::ToMatrix4(GripFrameToHandBone()));
    return mesh;
}

}  // namespace AssetGen
