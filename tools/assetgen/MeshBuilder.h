#pragma once
// Smooth closed primitives for the generated models. Every shape is a loft: rings swept along
// a path of key rings (interpolated smoothly between keys) and closed at both ends by a dome, a
// flat cap or a pole. Triangles wind counter-clockwise seen from outside and normals are
// averaged across each shape's own vertices, so shapes shade smoothly without welding seams by hand.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetGen {

using Rgba = std::array<std::uint8_t, 4>;

struct Influences {
    std::array<std::uint8_t, Assets::MaxBoneInfluences> bones{0, 0, 0, 0};
    std::array<float, Assets::MaxBoneInfluences> weights{1.0f, 0.0f, 0.0f, 0.0f};
};

// Skin weights of a vertex from its bind-pose position and its place along the loft's path (0..1).
using SkinFunction = std::function<Influences(const Math::Vector3& position, float along)>;
// Vertex colour from position, place around the ring (0..1) and along the path (0..1).
using PaintFunction = std::function<Rgba(const Math::Vector3& position, float around, float along)>;

// How a shape is coloured and bound to the skeleton. Without a paint function every vertex gets
// `color`; without a skin function every vertex is bound wholly to bone 0.
struct Surface {
    Rgba color{255, 255, 255, 255};
    PaintFunction paint;
    SkinFunction skin;
};

// One cross-section: a superellipse with radii rx (along the ring's x axis) and ry, centred on
// the path. power 2 is an ellipse; larger powers give squarer sections.
struct LoftRing {
    Math::Vector3 center;
    float rx = 1.0f;
    float ry = 1.0f;
    float power = 2.0f;
};

struct Loft {
    std::vector<LoftRing> rings;  // at least two; a ring of radius 0 ends the shape in a point
    // The rings' x axis: this vector made perpendicular to the path at each ring.
    Math::Vector3 xReference = Math::Vector3(1.0f, 0.0f, 0.0f);
    int sides = 16;
    int subdivisions = 2;      // rings interpolated between neighbouring key rings
    // How far the closing dome bulges beyond the first and last ring; 0 closes with a flat cap.
    float startDome = 0.0f;
    float endDome = 0.0f;
};

class MeshBuilder {
public:
    explicit MeshBuilder(bool skinned);

    void AddLoft(const Loft& loft, const Surface& surface);
    // An ellipsoid with the given radii along the axes of `rotation`.
    void AddEllipsoid(const Math::Vector3& center, const Math::Vector3& radii, const Math::Quaternion& rotation,
                      int sides, int rings, const Surface& surface);
    // A box with rounded edges: half extents along the axes of `rotation`, built as a lofted
    // squared superellipse along the box's local z axis.
    void AddRoundedBox(const Math::Vector3& center, const Math::Vector3& halfExtents,
                       const Math::Quaternion& rotation, const Surface& surface);

    Assets::MeshData Take() { return std::move(mesh); }

private:
    void AddFlatCap(const std::vector<Math::Vector3>& ring, const Math::Vector3& center,
                    const Math::Vector3& normal, float along, bool reverse, const Surface& surface);
    Assets::MeshVertex MakeVertex(const Math::Vector3& position, const Math::Vector3& normal, float around,
                                  float along, const Surface& surface) const;

    Assets::MeshData mesh;
};

// Applies a rigid transform, optionally with a uniform scale or a mirror, to every vertex:
// normals are rotated and renormalised, and a mirror keeps triangles wound outwards.
void TransformMesh(Assets::MeshData& mesh, const Math::Matrix4& transform);

}  // namespace AssetGen
