// Property: a real character nobody on this project made imports into files the demo's contract
// accepts, read back through the format readers (which refuse a parent after its child and weights
// that do not sum to 1): the weapon's bone at 36, at most 256 bones, each inverse bind undoing its
// bind pose, every triangle Assimp sees, about 180 units tall on y = 0, fifteen clips with Walk
// lasting exactly the asked frames and turning the arm, a socket at the far end of a handless arm.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <Assets/ClipTime.h>
#include <Assets/Formats.h>
#include <Assets/ResourcePaths.h>

#include "../assets/AssetTestSupport.h"
#include "CharacterImport.h"
#include "Gait.h"

namespace {

struct RealFile {
    const char* label;
    const char* path;
    const char* hand;
    const char* walk;
    double walkSeconds;  // from the file's own timing: frames / frames per second
};
void PrintTo(const RealFile& file, std::ostream* out) { *out << file.path; }

const RealFile kFiles[] = {
    {"SimpleSkinGltf", "/usr/share/assimp/models/glTF2/simple_skin/simple_skin.gltf", "nodes[2]", "", 5.5},
    {"AnimationWithSkeletonFbx", "/usr/share/assimp/models/FBX/animation_with_skeleton.fbx", "Bone.006", "", 20.0 / 24.0},
    {"MinetestB3d", IMPORT_MINETEST, "Arm_Right", "168-187", 19.0 / 60.0},
};

class RealFileImport : public ::testing::TestWithParam<RealFile> {};

TEST_P(RealFileImport, MeetsTheDemosContract)
{
    const RealFile& file = GetParam();
    const std::filesystem::path folder = std::filesystem::path(IMPORT_WORK_DIR) / file.label;
    CharacterImport::ImportOptions options;
    options.input = file.path;
    options.hand = file.hand;
    options.walk = file.walk;
    options.out = (folder / "resources").string();
    ASSERT_NO_THROW(CharacterImport::Import(options));

    const auto skeleton = AssetTests::Load(Assets::kSkeletonFile, Assets::ReadSkeleton, folder.string());
    const auto mesh = AssetTests::Load(Assets::kPlayerMeshFile, Assets::ReadMesh, folder.string());
    const std::size_t bones = skeleton.bones.size();
    ASSERT_GE(bones, 37u);
    ASSERT_LE(bones, 256u);
    std::vector<Math::Matrix4> model(bones);
    for (std::size_t b = 0; b < bones; ++b) {
        const int parent = skeleton.bones[b].parent;
        model[b] = parent < 0 ? Math::ToMatrix4(skeleton.bones[b].bindPose)
                              : model[static_cast<std::size_t>(parent)] * Math::ToMatrix4(skeleton.bones[b].bindPose);
        const Math::Matrix4 roundTrip = model[b] * skeleton.bones[b].inverseBind;
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(roundTrip[i], Math::Matrix4::identity[i], 1e-3f) << skeleton.bones[b].name;
    }
    // The weapon's bone is a socket on the named arm.
    const Assets::BoneData& socket = skeleton.bones[AssetTests::kWeaponBone];
    ASSERT_GE(socket.parent, 0);
    EXPECT_EQ(skeleton.bones[static_cast<std::size_t>(socket.parent)].name, file.hand);
    std::set<std::uint32_t> arm;  // the hand and every bone above it
    for (int b = socket.parent; b >= 0; b = skeleton.bones[static_cast<std::size_t>(b)].parent) arm.insert(std::uint32_t(b));

    // Every triangle of the skinned meshes, as Assimp itself counts them.
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(file.path, aiProcess_Triangulate);
    ASSERT_NE(scene, nullptr);
    std::size_t triangles = 0;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        if (scene->mMeshes[m]->HasBones()) triangles += scene->mMeshes[m]->mNumFaces;
    }
    EXPECT_EQ(mesh.indices.size() / 3, triangles);
    Math::Vector3 low(INFINITY, INFINITY, INFINITY), high(-INFINITY, -INFINITY, -INFINITY);
    float armReach = 0.0f;
    const Math::Vector3 armOrigin = model[static_cast<std::size_t>(socket.parent)].Column(3);
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        const Math::Vector3& p = vertex.position;
        low = Math::Vector3(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = Math::Vector3(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(vertex.boneWeights[i] == 0.0f || vertex.boneIndices[i] < bones);
        if (vertex.boneIndices[0] == socket.parent && vertex.boneWeights[0] > 0.0f)
            armReach = std::max(armReach, Math::Length(vertex.position - armOrigin));
    }
    const float size = std::max({high.x - low.x, high.y - low.y, high.z - low.z});  // a figure's height
    EXPECT_GE(size, 150.0f);
    EXPECT_LE(size, 210.0f);
    EXPECT_NEAR(low.y, 0.0f, 1.0f) << "feet on the floor";
    // The grip, where the demo puts the weapon, sits at the far end of the arm.
    const Math::Vector3 grip = Math::TransformPoint(model[AssetTests::kWeaponBone], AssetTests::kWeaponOffset);
    EXPECT_GT(Math::Length(grip - armOrigin), 0.75f * armReach);
    EXPECT_LT(Math::Length(grip - armOrigin), 1.05f * armReach);

    for (const Assets::ResourceFile& clipFile : Assets::kClipFiles) {
        const auto clip = AssetTests::Load(clipFile, Assets::ReadAnimation, folder.string());
        bool armTurns = false;
        for (const Assets::BoneTrack& track : clip.tracks) {
            EXPECT_LT(track.bone, bones);
            for (const Assets::RotationKey& key : track.rotations) {
                EXPECT_TRUE(key.time >= 0.0f && key.time <= clip.duration + 1e-5f) << clipFile.name;
                armTurns = armTurns || (arm.count(track.bone) && std::fabs(Math::Dot(key.value, track.rotations[0].value)) < 0.9999f);
            }
        }
        if (std::string(clipFile.name) == "Walk") {
            EXPECT_NEAR(clip.duration, file.walkSeconds * Assets::kClipUnitsPerSecond, 1e-4);
            EXPECT_TRUE(armTurns) << "the walk does not move the arm";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DebianPackages, RealFileImport, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<RealFile>& info) { return std::string(info.param.label); });

}  // namespace

// Property: the stride measure finds the speed a walk was built for. The generated warrior's walk
// plants its feet for travel of 1 world unit per frame, the demo's "Speed" 1.
TEST(StrideMeasure, GivesTheGeneratedWarriorsWalkItsBuiltSpeed)
{
    const auto skeleton = AssetTests::Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    const auto mesh = AssetTests::Load(Assets::kPlayerMeshFile, Assets::ReadMesh);
    const auto walk = AssetTests::Load(Assets::kClipFiles[13], Assets::ReadAnimation);
    ASSERT_STREQ(Assets::kClipFiles[13].name, "Walk");
    const float stride = CharacterImport::Stride(walk, skeleton, mesh);
    EXPECT_NEAR(CharacterImport::NonSlidingSpeed(stride, walk.duration), 1.0f, 0.03f);
}
