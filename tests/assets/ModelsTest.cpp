// The generated models at rest (the warrior's skeleton and meshes, the floor, where the app's grip
// point lies in the warrior's hand) and the day sky.
#include <array>
#include <set>
#include <vector>

#include "../animation/AnimationReference.h"
#include "AssetTestSupport.h"

using namespace AssetTests;
using namespace AnimationReference;

// The bind pose, composed with glm from each bone's local translation, rotation and scale: a
// humanoid about 180 tall with the feet on y = 0 and the toes ahead of the ankles (+z). Bone 36 is
// the right hand by name, by place (right is -x when facing +z) and by hierarchy: the end of the
// chain chest - clavicle - upper arm - forearm, each link reaching further from the chest. Skinning
// with the bind pose leaves the mesh where it is: each inverse bind matrix undoes the bone's model
// matrix. Scales stay 1 (the weapon offset is unscaled).
TEST(Skeleton, IsAHumanoidWithBone36AsItsRightHandAndInverseBindsThatUndoTheBindPose) {
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    std::vector<glm::dmat4> model;
    for (const Assets::BoneData& bone : skeleton.bones) {
        model.push_back((bone.parent < 0 ? glm::dmat4(1.0) : model[bone.parent]) * Trs(Exact(bone.bindPose)));
        EXPECT_LT(Math::Length(bone.bindPose.scale - Vector3::one), 1e-5f) << bone.name;
        EXPECT_LT(MaxDifference(bone.inverseBind, glm::inverse(model.back())), 1e-3) << bone.name;
    }
    const auto at = [&](const std::string& name) { return glm::vec3(model.at(BoneIndex(skeleton, name))[3]); };
    EXPECT_LT(at("LeftToe").y, 5.0f);
    EXPECT_GT(at("LeftToe").z, at("LeftFoot").z + 8.0f);
    EXPECT_NEAR(at("LeftThigh").y, 95.0f, 8.0f);
    EXPECT_NEAR(at("Head").y, 160.0f, 8.0f);
    ASSERT_GT(skeleton.bones.size(), std::size_t(kWeaponBone));
    EXPECT_EQ(skeleton.bones[kWeaponBone].name, "RightHand");
    EXPECT_LT(model[kWeaponBone][3].x, -20.0f);
    std::vector<std::string> chain;
    for (int bone = kWeaponBone; bone >= 0 && chain.size() < 5; bone = skeleton.bones[bone].parent) {
        chain.insert(chain.begin(), skeleton.bones[bone].name);
    }
    EXPECT_EQ(chain, (std::vector<std::string>{"Chest", "RightClavicle", "RightUpperArm", "RightForearm", "RightHand"}));
    for (std::size_t i = 1; i + 1 < chain.size(); ++i) {
        EXPECT_LT(glm::length(at(chain[i]) - at("Chest")), glm::length(at(chain[i + 1]) - at("Chest"))) << chain[i];
    }
}

// A figure within a real-time budget, standing on y = 0, about 180 tall, its weapon hand on the
// right (-x), opaque colours per part; the unarmoured figure is a static mesh of the same size.
TEST(Mesh, WarriorAndHumanStandOnTheFloor) {
    const auto warrior = Load(Assets::kPlayerMeshFile, Assets::ReadMesh), human = Load(Assets::kHumanMeshFile, Assets::ReadMesh);
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
    EXPECT_TRUE(warrior.skinned && !human.skinned);
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
    std::set<std::array<float, 3>> faces;
    for (const Assets::MeshVertex& v : Load(Assets::kFloorFile, Assets::ReadMesh).vertices) {
        const Vector3& n = v.normal;
        EXPECT_EQ(std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z), 1.0f) << "not an axis";
        EXPECT_EQ(Math::Dot(n, v.position), 1.0f) << "vertex off its face, or the normal points inwards";
        EXPECT_LE(std::max({std::fabs(v.position.x), std::fabs(v.position.y), std::fabs(v.position.z)}), 1.0f);
        EXPECT_TRUE(v.uv.x >= 0.0f && v.uv.x <= 1.0f && v.uv.y >= 0.0f && v.uv.y <= 1.0f);
        faces.insert({n.x, n.y, n.z});
    }
    EXPECT_EQ(faces.size(), 6u);
}

// The app's grip point (the hand's bind matrix times the weapon offset) lies inside the closed
// fist: whichever way one looks from it (400 directions spread evenly by a Fibonacci sphere),
// vertices of the hand and its fingers lie at least a unit beyond it; and the fingers wrap it closely.
TEST(WeaponGrip, GripPointLiesInsideTheClosedFist) {
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    ASSERT_GT(skeleton.bones.size(), std::size_t(kWeaponBone));
    const Vector3 grip = Math::TransformPoint(Math::Inverse(skeleton.bones[kWeaponBone].inverseBind), kWeaponOffset);
    std::vector<bool> inHand(skeleton.bones.size());
    for (std::size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const int parent = skeleton.bones[bone].parent;
        inHand[bone] = bone == kWeaponBone || (parent >= 0 && inHand[parent]);
    }
    std::vector<Vector3> hand;
    float nearest = 1e9f;
    for (const Assets::MeshVertex& v : Load(Assets::kPlayerMeshFile, Assets::ReadMesh).vertices) {
        if (!inHand.at(v.boneIndices[0]) || v.boneWeights[0] < 0.5f) continue;
        hand.push_back(v.position);
        nearest = std::min(nearest, Math::Length(v.position - grip));
    }
    ASSERT_GT(hand.size(), 100u);
    EXPECT_LT(nearest, 4.0f) << "the fingers do not close around the grip";
    for (int i = 0; i < 400; ++i) {
        const float y = 1.0f - (2.0f * i + 1.0f) / 400.0f, r = std::sqrt(1.0f - y * y);
        const Vector3 direction(r * std::cos(2.39996323f * i), y, r * std::sin(2.39996323f * i));
        float beyond = -1e9f;
        for (const Vector3& p : hand) beyond = std::max(beyond, Math::Dot(p - grip, direction));
        EXPECT_GT(beyond, 1.0f) << "outside the hand towards (" << direction.x << ", " << direction.y << ", " << direction.z << ")";
    }
}

// The day sky's sun stands where the scene's light comes from: the light travels along (0, -1, 1),
// so the sky is brightest within 0.05 radians of (0, 1, -1), and dimmer everywhere else. Each
// texel lies in the direction OpenGL's cube-map selection gives it (faces +x, -x, +y, -y, +z, -z).
TEST(Sky, SunStandsWhereTheLightComesFrom) {
    const auto sky = Load(Assets::kDaySkyFile, Assets::ReadCubeMapDds);
    const Vector3 sun = Math::Normalized(Vector3(0.0f, 1.0f, -1.0f));
    float inside = 0.0f, outside = 0.0f;
    for (int f = 0; f < 6; ++f) {
        for (std::uint32_t i = 0; i < sky.size * sky.size; ++i) {
            const float s = (2.0f * (i % sky.size) + 1.0f) / sky.size - 1.0f, t = (2.0f * (i / sky.size) + 1.0f) / sky.size - 1.0f;
            const Vector3 direction[6] = {{1, -t, -s}, {-1, -t, s}, {s, 1, t}, {s, -1, -t}, {s, -t, 1}, {-s, -t, -1}};
            const std::uint8_t* c = &sky.faces[f].at(4 * i);
            float& brightest = Math::Dot(Math::Normalized(direction[f]), sun) > std::cos(0.05f) ? inside : outside;
            brightest = std::max(brightest, 0.2126f * c[0] + 0.7152f * c[1] + 0.0722f * c[2]);
        }
    }
    EXPECT_GT(inside, 240.0f);
    EXPECT_LT(outside, inside);
}
