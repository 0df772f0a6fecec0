// The generated meshes: valid skin bindings, the warrior's budget, size and colours, the floor
// cube the app stretches into the ground.
#include <array>
#include <set>

#include "AssetTestSupport.h"

using namespace AssetTests;

// Skinned vertices name bones the skeleton has, with weights in [0, 1] summing to one.
TEST(Mesh, WarriorSkinBindingIsValid) {
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    const size_t bones = LoadSkeleton().bones.size();
    ASSERT_TRUE(mesh.skinned);
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Assets::MeshVertex& v = mesh.vertices[i];
        float sum = 0.0f;
        for (int k = 0; k < Assets::MaxBoneInfluences; ++k) {
            ASSERT_LT(v.boneIndices[k], bones) << "vertex " << i;
            ASSERT_TRUE(v.boneWeights[k] >= 0.0f && v.boneWeights[k] <= 1.0f) << "vertex " << i;
            sum += v.boneWeights[k];
        }
        ASSERT_NEAR(sum, 1.0f, 1e-4f) << "vertex " << i;
    }
}

// A figure within a real-time budget, standing on y = 0, about 180 tall, its weapon hand on the
// right (-x), opaque colours per part; the unarmoured figure is a static mesh of the same size.
TEST(Mesh, WarriorAndHumanStandOnTheFloor) {
    const Assets::MeshData warrior = LoadMesh("models/Warrior_Skeleton.mesh");
    EXPECT_TRUE(warrior.indices.size() >= 3 * 5000 && warrior.indices.size() <= 3 * 20000) << warrior.indices.size() / 3;
    std::set<std::array<std::uint8_t, 4>> colours;
    for (const Assets::MeshVertex& v : warrior.vertices) {
        colours.insert(v.color);
        if (v.boneIndices[0] == kWeaponBone && v.boneWeights[0] > 0.5f) {
            EXPECT_LT(v.position.x, -15.0f);
        }
    }
    EXPECT_GE(colours.size(), 8u);
    EXPECT_TRUE(std::all_of(colours.begin(), colours.end(), [](const auto& c) { return c[3] == 255; }));
    const Assets::MeshData human = LoadMesh("models/Warrior_Skeleton2.mesh");
    EXPECT_FALSE(human.skinned);
    for (const Assets::MeshData* mesh : {&warrior, &human}) {
        float low = 1e9f, high = -1e9f;
        for (const Assets::MeshVertex& v : mesh->vertices) low = std::min(low, v.position.y), high = std::max(high, v.position.y);
        EXPECT_NEAR(low, 0.0f, 0.3f);
        EXPECT_NEAR(high, 182.0f, 8.0f);
    }
}

// The floor: a cube spanning [-1, 1], every vertex on its face with that face's outward unit normal
// and texture coordinates in [0, 1]; scaled by 10 in y at -10, its top is y = 0.
TEST(Mesh, FloorIsTheUnitCube) {
    const Assets::MeshData cube = LoadMesh("models/default/Cube.mesh");
    std::set<std::array<float, 3>> faces;
    for (const Assets::MeshVertex& v : cube.vertices) {
        const Vector3& n = v.normal;
        EXPECT_EQ(std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z), 1.0f) << "not an axis";
        EXPECT_EQ(Math::Dot(n, v.position), 1.0f) << "vertex off its face, or the normal points inwards";
        EXPECT_LE(std::max(std::fabs(v.position.x), std::max(std::fabs(v.position.y), std::fabs(v.position.z))), 1.0f);
        EXPECT_TRUE(v.uv.x >= 0.0f && v.uv.x <= 1.0f && v.uv.y >= 0.0f && v.uv.y <= 1.0f);
        faces.insert({n.x, n.y, n.z});
    }
    EXPECT_EQ(faces.size(), 6u);
}
