// The generated meshes: valid skin bindings, the warrior's triangle budget, size and stance,
// closed parts wound outwards, colours per part, and the floor cube the app stretches into the ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using Math::Vector3;

const char* const kAllMeshes[] = {"models/Warrior_Skeleton.mesh", "models/Warrior_Skeleton2.mesh",
                                  "models/Sword.mesh",            "models/Shield.mesh",
                                  "models/Cerberus.mesh",         "models/default/Cube.mesh"};

struct Box {
    Vector3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
};

Box Bounds(const Assets::MeshData& mesh) {
    Box box;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        box.low = Vector3(std::min(box.low.x, v.position.x), std::min(box.low.y, v.position.y),
                          std::min(box.low.z, v.position.z));
        box.high = Vector3(std::max(box.high.x, v.position.x), std::max(box.high.y, v.position.y),
                           std::max(box.high.z, v.position.z));
    }
    return box;
}

int Find(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

// Triangles grouped into parts that share vertices or vertex positions (a shape and its caps).
std::vector<std::vector<size_t>> ClosedParts(const Assets::MeshData& mesh) {
    std::vector<int> parent(mesh.vertices.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::map<std::tuple<float, float, float>, int> byPosition;
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vector3& p = mesh.vertices[i].position;
        const auto [it, inserted] = byPosition.emplace(std::make_tuple(p.x, p.y, p.z), static_cast<int>(i));
        if (!inserted) parent[Find(parent, static_cast<int>(i))] = Find(parent, it->second);
    }
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const int a = Find(parent, static_cast<int>(mesh.indices[t]));
        parent[Find(parent, static_cast<int>(mesh.indices[t + 1]))] = a;
        parent[Find(parent, static_cast<int>(mesh.indices[t + 2]))] = a;
    }
    std::map<int, std::vector<size_t>> parts;
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) parts[Find(parent, static_cast<int>(mesh.indices[t]))].push_back(t);
    std::vector<std::vector<size_t>> out;
    for (auto& entry : parts) out.push_back(std::move(entry.second));
    return out;
}

// The volume enclosed by a part, by the divergence theorem: positive when its triangles wind
// counter-clockwise seen from outside.
double SignedVolume(const Assets::MeshData& mesh, const std::vector<size_t>& triangles) {
    double volume = 0.0;
    for (size_t t : triangles) {
        const Vector3& a = mesh.vertices[mesh.indices[t]].position;
        const Vector3& b = mesh.vertices[mesh.indices[t + 1]].position;
        const Vector3& c = mesh.vertices[mesh.indices[t + 2]].position;
        volume += (double(a.x) * (double(b.y) * c.z - double(b.z) * c.y) - double(a.y) * (double(b.x) * c.z - double(b.z) * c.x) +
                   double(a.z) * (double(b.x) * c.y - double(b.y) * c.x)) / 6.0;
    }
    return volume;
}

// Every closed part of every mesh encloses its volume with outward-facing triangles, and the
// stored normals agree with the winding, so back-face culling and lighting both see the outside.
TEST(MeshTest, EveryPartIsClosedAndWoundOutwards) {
    for (const char* path : kAllMeshes) {
        const Assets::MeshData mesh = LoadMesh(path);
        int inverted = 0, parts = 0;
        for (const std::vector<size_t>& part : ClosedParts(mesh)) {
            ++parts;
            inverted += SignedVolume(mesh, part) <= 0.0 ? 1 : 0;
        }
        EXPECT_EQ(inverted, 0) << path << ": " << inverted << " of " << parts << " parts are inside out";

        int disagreeing = 0;
        const size_t triangles = mesh.indices.size() / 3;
        for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            const Assets::MeshVertex& a = mesh.vertices[mesh.indices[t]];
            const Assets::MeshVertex& b = mesh.vertices[mesh.indices[t + 1]];
            const Assets::MeshVertex& c = mesh.vertices[mesh.indices[t + 2]];
            const Vector3 face = Math::Cross(b.position - a.position, c.position - a.position);
            if (Math::Length(face) < 1e-6f) continue;
            disagreeing += Math::Dot(face, a.normal + b.normal + c.normal) <= 0.0f ? 1 : 0;
        }
        EXPECT_LT(disagreeing, static_cast<int>(triangles / 100) + 1) << path;
    }
}

// Skinned vertices name bones the skeleton has, with at most four weights summing to one.
TEST(MeshTest, WarriorSkinBindingIsValid) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    const size_t bones = LoadSkeleton().bones.size();
    ASSERT_TRUE(mesh.skinned);
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Assets::MeshVertex& v = mesh.vertices[i];
        float sum = 0.0f;
        for (int k = 0; k < Assets::MaxBoneInfluences; ++k) {
            ASSERT_LT(v.boneIndices[k], bones) << "vertex " << i;
            ASSERT_GE(v.boneWeights[k], 0.0f) << "vertex " << i;
            ASSERT_LE(v.boneWeights[k], 1.0f) << "vertex " << i;
            sum += v.boneWeights[k];
        }
        ASSERT_NEAR(sum, 1.0f, 1e-4f) << "vertex " << i;
    }
}

// A recognisable figure within a real-time budget, standing on y = 0, about 180 tall, facing +z
// with its right side (and its weapon hand) towards -x.
TEST(MeshTest, WarriorStandsOnTheFloorFacingForward) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    const size_t triangles = mesh.indices.size() / 3;
    EXPECT_GE(triangles, 5000u);
    EXPECT_LE(triangles, 20000u);
    const Box box = Bounds(mesh);
    EXPECT_NEAR(box.low.y, 0.0f, 0.3f);
    EXPECT_GT(box.high.y, 175.0f);
    EXPECT_LT(box.high.y, 190.0f);

    // Boot soles (the lowest vertices) reach further forward than back.
    float toe = -1e9f, heel = 1e9f;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        if (v.position.y < 0.5f) toe = std::max(toe, v.position.z), heel = std::min(heel, v.position.z);
    }
    EXPECT_GT(toe, 15.0f);
    EXPECT_GT(heel, -10.0f);
    EXPECT_GT(toe, -2.0f * heel);

    int handVertices = 0;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        if (v.boneIndices[0] == kWeaponBone && v.boneWeights[0] > 0.5f) {
            ++handVertices;
            EXPECT_LT(v.position.x, -15.0f);
        }
    }
    EXPECT_GT(handVertices, 50);
}

// Parts are coloured: skin, steel, gold, leather, cloth... all opaque.
TEST(MeshTest, WarriorHasAColourPerPart) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    std::set<std::array<std::uint8_t, 4>> colours;
    for (const Assets::MeshVertex& v : mesh.vertices) {
        colours.insert(v.color);
        EXPECT_EQ(v.color[3], 255);
    }
    EXPECT_GE(colours.size(), 8u);
}

// The unarmoured figure is a static mesh of the same body in the bind pose.
TEST(MeshTest, HumanIsAStaticFigureOfTheSameSize) {
    const Assets::MeshData human = LoadMesh("models/Warrior_Skeleton2.mesh");
    EXPECT_FALSE(human.skinned);
    EXPECT_GE(human.indices.size() / 3, 2000u);
    const Box box = Bounds(human);
    EXPECT_NEAR(box.low.y, 0.0f, 0.3f);
    EXPECT_NEAR(box.high.y, 180.0f, 8.0f);
}

// The floor: a cube spanning [-1, 1] on every axis, every vertex on its face with that face's
// outward unit normal and texture coordinates in [0, 1]; scaled by 10 in y at -10, its top is y = 0.
TEST(MeshTest, FloorIsTheUnitCube) {
    const Assets::MeshData cube = LoadMesh("models/default/Cube.mesh");
    EXPECT_FALSE(cube.skinned);
    const Box box = Bounds(cube);
    for (float low : {box.low.x, box.low.y, box.low.z}) EXPECT_EQ(low, -1.0f);
    for (float high : {box.high.x, box.high.y, box.high.z}) EXPECT_EQ(high, 1.0f);
    std::set<std::tuple<int, int, int>> faces;
    for (const Assets::MeshVertex& v : cube.vertices) {
        const Vector3& n = v.normal;
        EXPECT_NEAR(Math::Length(n), 1.0f, 1e-6f);
        EXPECT_EQ(std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z), 1.0f) << "not axis aligned";
        EXPECT_EQ(Math::Dot(n, v.position), 1.0f) << "vertex off its face, or the normal points inwards";
        EXPECT_GE(v.uv.x, 0.0f);
        EXPECT_LE(v.uv.x, 1.0f);
        EXPECT_GE(v.uv.y, 0.0f);
        EXPECT_LE(v.uv.y, 1.0f);
        faces.emplace(static_cast<int>(n.x), static_cast<int>(n.y), static_cast<int>(n.z));
    }
    EXPECT_EQ(faces.size(), 6u);
}

// Distance from the origin to a triangle (closest point by the triangle's Voronoi regions).
float DistanceFromOrigin(const Vector3& a, const Vector3& b, const Vector3& c) {
    const Vector3 p = Vector3::zero;
    const Vector3 ab = b - a, ac = c - a, ap = p - a;
    const float d1 = Math::Dot(ab, ap), d2 = Math::Dot(ac, ap);
    if (d1 <= 0.0f && d2 <= 0.0f) return Math::Length(a);
    const Vector3 bp = p - b;
    const float d3 = Math::Dot(ab, bp), d4 = Math::Dot(ac, bp);
    if (d3 >= 0.0f && d4 <= d3) return Math::Length(b);
    const float vc = d1 * d4 - d3 * d2;
    if (vc <= 0.0f && d1 >= 0.0f && d3 <= 0.0f) return Math::Length(a + ab * (d1 / (d1 - d3)));
    const Vector3 cp = p - c;
    const float d5 = Math::Dot(ab, cp), d6 = Math::Dot(ac, cp);
    if (d6 >= 0.0f && d5 <= d6) return Math::Length(c);
    const float vb = d5 * d2 - d1 * d6;
    if (vb <= 0.0f && d2 >= 0.0f && d6 <= 0.0f) return Math::Length(a + ac * (d2 / (d2 - d6)));
    const float va = d3 * d6 - d5 * d4;
    if (va <= 0.0f && d4 - d3 >= 0.0f && d5 - d6 >= 0.0f)
        return Math::Length(b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6))));
    const float denominator = 1.0f / (va + vb + vc);
    return Math::Length(a + ab * (vb * denominator) + ac * (vc * denominator));
}

// Each weapon is modelled with its grip at its origin: the handle's surface passes within a
// finger's thickness of it, and the rest of the weapon reaches out from there.
TEST(MeshTest, WeaponsHaveTheirGripAtTheOrigin) {
    for (const char* path : {"models/Sword.mesh", "models/Shield.mesh", "models/Cerberus.mesh"}) {
        const Assets::MeshData mesh = LoadMesh(path);
        EXPECT_FALSE(mesh.skinned) << path;
        float nearest = 1e9f, farthest = 0.0f;
        for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            nearest = std::min(nearest, DistanceFromOrigin(mesh.vertices[mesh.indices[t]].position,
                                                           mesh.vertices[mesh.indices[t + 1]].position,
                                                           mesh.vertices[mesh.indices[t + 2]].position));
        }
        for (const Assets::MeshVertex& v : mesh.vertices) farthest = std::max(farthest, Math::Length(v.position));
        EXPECT_LT(nearest, 2.0f) << path;
        EXPECT_GT(farthest, 15.0f) << path;
    }
}

}  // namespace
}  // namespace AssetTests
