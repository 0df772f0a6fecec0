// A round shield strapped along the outside of the forearm: a handle through the fist, the
// board beyond the forearm on the back-of-hand side, centred towards the elbow.
#include <cmath>

#include "MeshBuilder.h"
#include "Rotations.h"
#include "Weapons.h"

namespace AssetGen {

using Math::Vector3;

namespace {

constexpr Rgba kField{140, 26, 32, 255};
constexpr Rgba kGold{210, 168, 72, 255};
constexpr Rgba kSteel{168, 174, 184, 255};
constexpr Rgba kWood{96, 64, 40, 255};
constexpr Rgba kLeather{74, 46, 30, 255};

// The board lies in the grip frame's y-z plane, its back this far out on the -x (back of hand) side.
constexpr float kBoardBack = -11.0f;
constexpr float kRadius = 27.0f;
// Centre of the board: back along the forearm from the grip.
const Vector3 kCenterOffset(0.0f, -3.5f, -8.0f);

Surface Plain(const Rgba& color) {
    Surface surface;
    surface.color = color;
    return surface;
}

}  // namespace

Assets::MeshData BuildShieldMesh() {
    MeshBuilder builder(false);
    const Vector3 center(kBoardBack, kCenterOffset.y, kCenterOffset.z);
    const Vector3 outward(-1.0f, 0.0f, 0.0f);

    // The painted face, slightly domed: eight red and gold wedges inside a red border.
    Surface face = Plain(kField);
    face.paint = [center](const Vector3& p, float around, float) {
        const float dy = p.y - center.y, dz = p.z - center.z;
        const bool border = dy * dy + dz * dz > 0.8f * 0.8f * kRadius * kRadius;
        const bool goldWedge = static_cast<int>(around * 8.0f) % 2 == 1;
        return (!border && goldWedge) ? kGold : kField;
    };
    Loft board;
    board.sides = 48;
    board.subdivisions = 0;
    board.xReference = Vector3::unit_y;
    board.startDome = 0.0f;
    board.rings = {{center, kRadius, kRadius}};
    constexpr int kDomeSteps = 10;
    for (int k = 0; k <= kDomeSteps; ++k) {
        const float angle = 0.5f * kPi * static_cast<float>(k) / kDomeSteps;
        const float radius = k == kDomeSteps ? 0.0f : kRadius * std::cos(angle);
        board.rings.push_back({center + outward * (2.0f + 3.0f * std::sin(angle)), radius, radius});
    }
    builder.AddLoft(board, face);

    Loft rim;
    rim.sides = 48;
    rim.subdivisions = 0;
    rim.xReference = Vector3::unit_y;
    rim.startDome = 0.6f;
    rim.endDome = 0.6f;
    rim.rings = {{center - outward * 0.4f, kRadius + 1.1f, kRadius + 1.1f},
                 {center + outward * 3.4f, kRadius + 1.1f, kRadius + 1.1f}};
    builder.AddLoft(rim, Plain(kSteel));

    builder.AddEllipsoid(center + outward * 4.2f, Vector3(7.5f, 7.5f, 4.0f), Math::Quaternion::RotateY(-kPi / 2), 20,
                         10, Plain(kSteel));

    // The handle through the fist, on two posts standing off the board's back.
    Loft handle;
    handle.sides = 12;
    handle.xReference = Vector3::unit_x;
    handle.startDome = 0.5f;
    handle.endDome = 0.5f;
    handle.rings = {{Vector3(0.0f, -7.5f, 0.0f), 1.4f, 1.4f}, {Vector3(0.0f, 7.5f, 0.0f), 1.4f, 1.4f}};
    builder.AddLoft(handle, Plain(kLeather));
    for (float end : {-7.8f, 7.8f}) {
        builder.AddRoundedBox(Vector3(0.5f * kBoardBack, end, 0.0f), Vector3(0.5f * -kBoardBack + 0.5f, 1.2f, 1.6f),
                              Math::Quaternion::RotateY(kPi / 2), Plain(kWood));
    }
    // A strap for the forearm nearer the board's centre.
    builder.AddRoundedBox(Vector3(kBoardBack + 1.0f, kCenterOffset.y - 4.0f, kCenterOffset.z - 6.0f),
                          Vector3(1.0f, 8.0f, 2.0f), Math::Quaternion(), Plain(kLeather));

    Assets::MeshData mesh = builder.Take();
    TransformMesh(mesh, Math::ToMatrix4(GripFrameToHandBone()));
    return mesh;
}

}  // namespace AssetGen
