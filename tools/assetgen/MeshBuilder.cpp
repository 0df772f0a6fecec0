#include "MeshBuilder.h"

#include <algorithm>
#include <cmath>

#include "Rotations.h"

namespace AssetGen {

using Math::Vector3;

namespace {

constexpr int kDomeRings = 3;

struct Ring {
    Vector3 center;
    float rx = 0.0f;
    float ry = 0.0f;
    float power = 2.0f;
    Vector3 x, y, tangent;
    float along = 0.0f;
    bool IsPoint() const { return rx <= 0.0f && ry <= 0.0f; }
};

float CatmullRom(float p0, float p1, float p2, float p3, float t) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t2 +
                   (3.0f * p1 - p0 - 3.0f * p2 + p3) * t3);
}

Vector3 CatmullRom(const Vector3& p0, const Vector3& p1, const Vector3& p2, const Vector3& p3, float t) {
    return Vector3(CatmullRom(p0.x, p1.x, p2.x, p3.x, t), CatmullRom(p0.y, p1.y, p2.y, p3.y, t),
                   CatmullRom(p0.z, p1.z, p2.z, p3.z, t));
}

// Key rings plus `subdivisions` smoothly interpolated rings between each neighbouring pair.
std::vector<Ring> InterpolateRings(const std::vector<LoftRing>& keys, int subdivisions) {
    const int count = static_cast<int>(keys.size());
    // Reflected end points give the end spans a natural tangent instead of a flat one.
    auto key = [&](int i) -> LoftRing {
        if (i < 0) {
            LoftRing r = keys[0];
            r.center = keys[0].center * 2.0f - keys[1].center;
            r.rx = 2.0f * keys[0].rx - keys[1].rx;
            r.ry = 2.0f * keys[0].ry - keys[1].ry;
            return r;
        }
        if (i >= count) {
            LoftRing r = keys[count - 1];
            r.center = keys[count - 1].center * 2.0f - keys[count - 2].center;
            r.rx = 2.0f * keys[count - 1].rx - keys[count - 2].rx;
            r.ry = 2.0f * keys[count - 1].ry - keys[count - 2].ry;
            return r;
        }
        return keys[i];
    };
    std::vector<Ring> rings;
    for (int i = 0; i + 1 < count; ++i) {
        const LoftRing a = key(i - 1), b = key(i), c = key(i + 1), d = key(i + 2);
        for (int step = 0; step <= subdivisions; ++step) {
            const float t = static_cast<float>(step) / static_cast<float>(subdivisions + 1);
            Ring ring;
            ring.center = CatmullRom(a.center, b.center, c.center, d.center, t);
            // Zero radii stay exactly zero so a pointed end closes in one point.
            ring.rx = (step == 0 && b.rx <= 0.0f) ? 0.0f : std::max(0.0f, CatmullRom(a.rx, b.rx, c.rx, d.rx, t));
            ring.ry = (step == 0 && b.ry <= 0.0f) ? 0.0f : std::max(0.0f, CatmullRom(a.ry, b.ry, c.ry, d.ry, t));
            ring.power = b.power + (c.power - b.power) * t;
            rings.push_back(ring);
        }
    }
    Ring last;
    last.center = keys.back().center;
    last.rx = std::max(0.0f, keys.back().rx);
    last.ry = std::max(0.0f, keys.back().ry);
    last.power = keys.back().power;
    rings.push_back(last);
    return rings;
}

Vector3 PathTangent(const std::vector<Ring>& rings, int i) {
    const int last = static_cast<int>(rings.size()) - 1;
    const Vector3 d = rings[std::min(i + 1, last)].center - rings[std::max(i - 1, 0)].center;
    return Math::Normalized(d);
}

// Elliptical dome rings beyond an end ring along `outward`, ending in a point.
std::vector<Ring> DomeRings(const Ring& end, const Vector3& outward, float depth) {
    std::vector<Ring> dome;
    for (int k = 1; k <= kDomeRings; ++k) {
        const float angle = 0.5f * kPi * static_cast<float>(k) / kDomeRings;
        const float shrink = k == kDomeRings ? 0.0f : std::cos(angle);
        Ring ring = end;
        ring.center = end.center + outward * (depth * std::sin(angle));
        ring.rx = end.rx * shrink;
        ring.ry = end.ry * shrink;
        dome.push_back(ring);
    }
    return dome;
}

float SignedPower(float value, float exponent) {
    const float magnitude = std::pow(std::fabs(value), exponent);
    return value < 0.0f ? -magnitude : magnitude;
}

Vector3 RingPoint(const Ring& ring, int k, int sides) {
    const float angle = 2.0f * kPi * static_cast<float>(k) / static_cast<float>(sides);
    const float exponent = 2.0f / ring.power;
    return ring.center + ring.x * (ring.rx * SignedPower(std::cos(angle), exponent)) +
           ring.y * (ring.ry * SignedPower(std::sin(angle), exponent));
}

Influences NormalisedInfluences(const Influences& in) {
    Influences out = in;
    float sum = 0.0f;
    for (float w : out.weights) {
        sum += w;
    }
    if (sum <= 0.0f) {
        return Influences{};
    }
    for (float& w : out.weights) {
        w /= sum;
    }
    return out;
}

}  // namespace

MeshBuilder::MeshBuilder(bool skinned) { mesh.skinned = skinned; }

Assets::MeshVertex MeshBuilder::MakeVertex(const Vector3& position, const Vector3& normal, float around,
                                           float along, const Surface& surface) const {
    Assets::MeshVertex vertex;
    vertex.position = position;
    vertex.normal = normal;
    vertex.uv = Math::Vector2(around, along);
    vertex.color = surface.paint ? surface.paint(position, around, along) : surface.color;
    if (mesh.skinned && surface.skin) {
        const Influences influences = NormalisedInfluences(surface.skin(position, along));
        vertex.boneIndices = influences.bones;
        vertex.boneWeights = influences.weights;
    }
    return vertex;
}

void MeshBuilder::AddLoft(const Loft& loft, const Surface& surface) {
    if (loft.rings.size() < 2 || loft.sides < 3) {
        return;
    }
    std::vector<Ring> rings = InterpolateRings(loft.rings, std::max(0, loft.subdivisions));
    const Vector3 startTangent = PathTangent(rings, 0);
    const Vector3 endTangent = PathTangent(rings, static_cast<int>(rings.size()) - 1);
    const bool flatStart = !rings.front().IsPoint() && loft.startDome <= 0.0f;
    const bool flatEnd = !rings.back().IsPoint() && loft.endDome <= 0.0f;
    if (!rings.front().IsPoint() && loft.startDome > 0.0f) {
        std::vector<Ring> dome = DomeRings(rings.front(), startTangent * -1.0f, loft.startDome);
        rings.insert(rings.begin(), dome.rbegin(), dome.rend());
    }
    if (!rings.back().IsPoint() && loft.endDome > 0.0f) {
        std::vector<Ring> dome = DomeRings(rings.back(), endTangent, loft.endDome);
        rings.insert(rings.end(), dome.begin(), dome.end());
    }

    // Frames and the normalised distance along the path.
    const int ringCount = static_cast<int>(rings.size());
    float length = 0.0f;
    for (int i = 0; i < ringCount; ++i) {
        if (i > 0) {
            length += Math::Length(rings[i].center - rings[i - 1].center);
        }
        rings[i].along = length;
        Ring& ring = rings[i];
        ring.tangent = PathTangent(rings, i);
        if (Math::Length(ring.tangent) < 0.5f) {
            ring.tangent = i > 0 ? rings[i - 1].tangent : Vector3::unit_z;
        }
        ring.x = PerpendicularPart(loft.xReference, ring.tangent);
        if (Math::Length(ring.x) < 0.5f) {
            ring.x = PerpendicularPart(Vector3::unit_y, ring.tangent);
        }
        ring.y = Math::Cross(ring.tangent, ring.x);
    }
    for (Ring& ring : rings) {
        ring.along = length > 0.0f ? ring.along / length : 0.0f;
    }

    // Positions on a (sides + 1) x rings grid; the last column repeats the first for the uv seam.
    const int sides = loft.sides;
    const int columns = sides + 1;
    std::vector<Vector3> points(static_cast<size_t>(columns * ringCount));
    for (int r = 0; r < ringCount; ++r) {
        for (int k = 0; k < columns; ++k) {
            points[r * columns + k] = RingPoint(rings[r], k % sides, sides);
        }
    }
    // Normals are gathered per distinct point: the seam column joins the first, a pointed ring is one point.
    auto shared = [&](int r, int k) { return rings[r].IsPoint() ? r * columns : r * columns + (k % sides); };
    std::vector<Vector3> normals(points.size(), Vector3::zero);
    std::vector<std::uint32_t> triangles;
    for (int r = 0; r + 1 < ringCount; ++r) {
        for (int k = 0; k < sides; ++k) {
            const int a = r * columns + k, b = a + 1, c = a + columns + 1, d = a + columns;
            const int quad[2][3] = {{a, b, c}, {a, c, d}};
            for (int t = 0; t < 2; ++t) {
                const bool degenerate = (t == 0 && rings[r].IsPoint()) || (t == 1 && rings[r + 1].IsPoint());
                if (degenerate) {
                    continue;
                }
                const Vector3 faceNormal = Math::Cross(points[quad[t][1]] - points[quad[t][0]],
                                                       points[quad[t][2]] - points[quad[t][0]]);
                for (int corner = 0; corner < 3; ++corner) {
                    const int index = quad[t][corner];
                    normals[shared(index / columns, index % columns)] += faceNormal;
                    triangles.push_back(static_cast<std::uint32_t>(index));
                }
            }
        }
    }

    const auto base = static_cast<std::uint32_t>(mesh.vertices.size());
    for (int r = 0; r < ringCount; ++r) {
        for (int k = 0; k < columns; ++k) {
            const Vector3 normal = Math::Normalized(normals[shared(r, k)]);
            mesh.vertices.push_back(MakeVertex(points[r * columns + k], normal,
                                               static_cast<float>(k) / static_cast<float>(sides), rings[r].along,
                                               surface));
        }
    }
    for (std::uint32_t index : triangles) {
        mesh.indices.push_back(base + index);
    }

    auto ringPoints = [&](int r) {
        return std::vector<Vector3>(points.begin() + r * columns, points.begin() + r * columns + sides);
    };
    if (flatStart) {
        AddFlatCap(ringPoints(0), rings.front().center, startTangent * -1.0f, 0.0f, true, surface);
    }
    if (flatEnd) {
        AddFlatCap(ringPoints(ringCount - 1), rings.back().center, endTangent, 1.0f, false, surface);
    }
}

void MeshBuilder::AddFlatCap(const std::vector<Vector3>& ring, const Vector3& center, const Vector3& normal,
                             float along, bool reverse, const Surface& surface) {
    const auto centerIndex = static_cast<std::uint32_t>(mesh.vertices.size());
    mesh.vertices.push_back(MakeVertex(center, normal, 0.5f, along, surface));
    const auto count = static_cast<std::uint32_t>(ring.size());
    for (std::uint32_t k = 0; k < count; ++k) {
        mesh.vertices.push_back(MakeVertex(ring[k], normal, static_cast<float>(k) / static_cast<float>(count),
                                           along, surface));
    }
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t current = centerIndex + 1 + k;
        const std::uint32_t next = centerIndex + 1 + (k + 1) % count;
        mesh.indices.push_back(centerIndex);
        mesh.indices.push_back(reverse ? next : current);
        mesh.indices.push_back(reverse ? current : next);
    }
}

void MeshBuilder::AddEllipsoid(const Vector3& center, const Vector3& radii, const Math::Quaternion& rotation,
                               int sides, int rings, const Surface& surface) {
    const Vector3 axis = Math::Rotate(rotation, Vector3::unit_z);
    Loft loft;
    loft.xReference = Math::Rotate(rotation, Vector3::unit_x);
    loft.sides = sides;
    loft.subdivisions = 0;
    for (int j = 0; j <= rings; ++j) {
        const float angle = kPi * static_cast<float>(j) / static_cast<float>(rings);
        const bool pole = j == 0 || j == rings;
        LoftRing ring;
        ring.center = center + axis * (-radii.z * std::cos(angle));
        ring.rx = pole ? 0.0f : radii.x * std::sin(angle);
        ring.ry = pole ? 0.0f : radii.y * std::sin(angle);
        loft.rings.push_back(ring);
    }
    AddLoft(loft, surface);
}

void MeshBuilder::AddRoundedBox(const Vector3& center, const Vector3& halfExtents, const Math::Quaternion& rotation,
                                const Surface& surface) {
    const float rounding = 0.3f * std::min(halfExtents.x, std::min(halfExtents.y, halfExtents.z));
    const Vector3 axis = Math::Rotate(rotation, Vector3::unit_z);
    Loft loft;
    loft.xReference = Math::Rotate(rotation, Vector3::unit_x);
    loft.sides = 16;
    loft.subdivisions = 0;
    loft.startDome = rounding;
    loft.endDome = rounding;
    const float reach = halfExtents.z - rounding;
    loft.rings.push_back({center - axis * reach, halfExtents.x, halfExtents.y, 8.0f});
    loft.rings.push_back({center + axis * reach, halfExtents.x, halfExtents.y, 8.0f});
    AddLoft(loft, surface);
}

void TransformMesh(Assets::MeshData& mesh, const Math::Matrix4& transform) {
    for (Assets::MeshVertex& vertex : mesh.vertices) {
        vertex.position = Math::TransformPoint(transform, vertex.position);
        vertex.normal = Math::Normalized(Math::TransformDirection(transform, vertex.normal));
    }
    const Vector3 x = transform.Column(0), y = transform.Column(1), z = transform.Column(2);
    if (Math::Dot(Math::Cross(x, y), z) < 0.0f) {
        for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            std::swap(mesh.indices[i + 1], mesh.indices[i + 2]);
        }
    }
}

}  // namespace AssetGen
