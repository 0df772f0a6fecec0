// Warrior.glb read back by Assimp, a glTF reader independent of the writer: what a viewer shows must be what the
// demo's own files hold, bone for bone and key for key. Carried back in through vantor-import, the warrior must be
// the one that went out and move the same way, its poses sampled here with glm in double, apart from the runtime.
#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <Assets/ClipTime.h>

#include "../animation/AnimationReference.h"
#include "../assets/AssetTestSupport.h"

namespace {

using namespace AnimationReference;
using AssetTests::Load;


// Assimp, like most viewers, shows only the default scene; one scene per weapon is reached by making it the default
// (the digit has the same length, so the GLB's chunk sizes still hold).
const aiScene* Import(Assimp::Importer& importer, int scene = 0) {
    std::ifstream in(VANTOR_RESOURCE_ROOT "/resources/Warrior.glb", std::ios::binary);
    std::string glb((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t field = glb.find("\"scene\":0");
    EXPECT_NE(field, std::string::npos);
    glb[field + 8] = static_cast<char>('0' + scene);
    const aiScene* imported = importer.ReadFileFromMemory(glb.data(), glb.size(), 0, "glb");
    EXPECT_NE(imported, nullptr) << importer.GetErrorString();
    return imported;
}

const aiMesh* FindMesh(const aiScene* scene, const std::string& name) {
    for (unsigned i = 0; scene && i < scene->mNumMeshes; ++i) {
        if (name == scene->mMeshes[i]->mName.C_Str()) return scene->mMeshes[i];
    }
    return nullptr;
}

float Distance(const aiVector3D& a, const Math::Vector3& b) { return Math::Length(Math::Vector3(a.x, a.y, a.z) - b); }
// q and -q are one rotation.
float Distance(const aiQuaternion& a, const Math::Quaternion& b) {
    return 1.0f - std::fabs(a.x * b.v.x + a.y * b.v.y + a.z * b.v.z + a.w * b.s);
}

// Each key at its own time and value (every channel of the demo's clips has keys).
template <typename AssimpKey, typename Key>
void ExpectKeys(const AssimpKey* actual, unsigned count, const std::vector<Key>& expected, double ticksPerSecond,
                const std::string& where) {
    ASSERT_EQ(count, expected.size()) << where;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].mTime / ticksPerSecond * Assets::kClipUnitsPerSecond, expected[k].time, 1e-5) << where;
        EXPECT_LT(Distance(actual[k].mValue, expected[k].value), 1e-5f) << where;
    }
}

double Difference(const ExactPose& a, const ExactPose& b) {
    return std::max({glm::length(a.translation - b.translation), RotationError(a.rotation, b.rotation),
                     glm::length(a.scale - b.scale)});
}

}  // namespace

// The skeleton: every bone a node of its name under its parent, its bind pose as the node's transform, joints in bone
// order with the inverse bind matrices (transposed correctly). Every clip under the name the demo registers, its
// length in seconds, and every key of every track at its own time: nothing resampled, nothing lost.
TEST(ExportedWarrior, SkeletonAndClipsKeepNamesParentsBindPosesAndEveryKey) {
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    Assimp::Importer importer;
    const aiScene* scene = Import(importer);
    const aiMesh* body = FindMesh(scene, "Warrior");
    ASSERT_TRUE(body);
    ASSERT_EQ(body->mNumBones, skeleton.bones.size());
    const aiNode* root = scene->mRootNode;
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        const Assets::BoneData& bone = skeleton.bones[i];
        const aiNode* node = root->FindNode(bone.name.c_str());
        ASSERT_TRUE(node) << bone.name;
        EXPECT_EQ(node->mParent, bone.parent < 0 ? root : root->FindNode(skeleton.bones[bone.parent].name.c_str())) << bone.name;
        aiVector3D scale, position;
        aiQuaternion rotation;
        node->mTransformation.Decompose(scale, rotation, position);
        EXPECT_LT(Distance(position, bone.bindPose.translation), 1e-4f) << bone.name;
        EXPECT_LT(Distance(scale, bone.bindPose.scale), 1e-5f) << bone.name;
        EXPECT_LT(Distance(rotation, bone.bindPose.rotation), 1e-6f) << bone.name;
        EXPECT_EQ(body->mBones[i]->mName.C_Str(), bone.name);
        for (int element = 0; element < 12; ++element) {  // the last row is (0, 0, 0, 1) in both
            EXPECT_NEAR(body->mBones[i]->mOffsetMatrix[element / 4][element % 4], bone.inverseBind[element], 1e-5f) << bone.name;
        }
    }
    ASSERT_EQ(scene->mNumAnimations, Assets::kClipFiles.size());
    for (std::size_t c = 0; c < Assets::kClipFiles.size(); ++c) {
        const auto clip = Load(Assets::kClipFiles[c], Assets::ReadAnimation);
        const aiAnimation* animation = scene->mAnimations[c];
        const std::string name = Assets::kClipFiles[c].name;
        EXPECT_EQ(animation->mName.C_Str(), name);
        const double rate = animation->mTicksPerSecond;
        EXPECT_NEAR(animation->mDuration / rate, clip.duration / Assets::kClipUnitsPerSecond, 1e-4) << name;
        ASSERT_EQ(animation->mNumChannels, clip.tracks.size()) << name;
        for (const Assets::BoneTrack& track : clip.tracks) {
            const std::string& bone = skeleton.bones.at(track.bone).name;
            const aiNodeAnim* channel = nullptr;
            for (unsigned i = 0; i < animation->mNumChannels; ++i) {
                if (bone == animation->mChannels[i]->mNodeName.C_Str()) channel = animation->mChannels[i];
            }
            ASSERT_TRUE(channel) << name << " " << bone;
            ExpectKeys(channel->mPositionKeys, channel->mNumPositionKeys, track.translations, rate, name + " " + bone);
            ExpectKeys(channel->mRotationKeys, channel->mNumRotationKeys, track.rotations, rate, name + " " + bone);
            ExpectKeys(channel->mScalingKeys, channel->mNumScalingKeys, track.scales, rate, name + " " + bone);
        }
    }
}

// The warrior's mesh with its colours decoded from sRGB, and in each scene one weapon held at the demo's grip: the
// hand's bind matrix, then translate(9.75, 2.8, 6.305), then the weapon. Assimp lists every joint of the skin; only
// the hand may carry the weapon's weight.
TEST(ExportedWarrior, MeshesAreTheDemosWithEachWeaponAtTheGrip) {
    const auto body = Load(Assets::kPlayerMeshFile, Assets::ReadMesh);
    for (int s = 0; s < static_cast<int>(Assets::kWeaponFiles.size()); ++s) {
        const std::string weaponName = Assets::kWeaponFiles[s].name;
        Assimp::Importer importer;
        const aiScene* scene = Import(importer, s);
        const aiMesh *warrior = FindMesh(scene, "Warrior"), *held = FindMesh(scene, weaponName);
        ASSERT_TRUE(warrior && warrior->HasVertexColors(0) && held) << weaponName;
        EXPECT_EQ(scene->mNumMeshes, 2u) << "the warrior and one weapon";
        ASSERT_EQ(warrior->mNumVertices, body.vertices.size());
        EXPECT_EQ(warrior->mNumFaces, body.indices.size() / 3);
        for (std::size_t v = 0; v < body.vertices.size(); v += 97) {
            const double srgb = body.vertices[v].color[0] / 255.0;
            const double linear = srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
            EXPECT_NEAR(warrior->mColors[0][v].r, linear, 1e-5) << "vertex " << v;
        }
        const auto weapon = Load(Assets::kWeaponFiles[s], Assets::ReadMesh);
        ASSERT_EQ(held->mNumVertices, weapon.vertices.size());
        EXPECT_EQ(held->mNumFaces, weapon.indices.size() / 3);
        std::vector<const aiBone*> carrying;
        std::copy_if(held->mBones, held->mBones + held->mNumBones, std::back_inserter(carrying), [](const aiBone* bone) {
            return std::any_of(bone->mWeights, bone->mWeights + bone->mNumWeights, [](const aiVertexWeight& w) { return w.mWeight > 0.0f; });
        });
        ASSERT_EQ(carrying.size(), 1u);
        EXPECT_STREQ(carrying[0]->mName.C_Str(), "RightHand");
        EXPECT_EQ(carrying[0]->mNumWeights, weapon.vertices.size());
        for (std::size_t v = 0; v < weapon.vertices.size(); ++v) {
            EXPECT_LT(Distance(carrying[0]->mOffsetMatrix * held->mVertices[v], weapon.vertices[v].position + AssetTests::kWeaponOffset), 1e-3f)
                << weaponName;
        }
    }
}

// Exported, then imported through vantor-import: the same skeleton comes back bone for bone, and Walk and Run move
// the same way at ten times across each clip.
TEST(RoundTrip, KeepsTheSkeletonBoneForBoneAndHowWalkAndRunMove) {
    const std::string folder = ::testing::TempDir() + "round-trip-" + std::to_string(getpid());
    const std::string command = VANTOR_IMPORT " " VANTOR_RESOURCE_ROOT "/resources/Warrior.glb --out " + folder + "/resources > " + folder + ".log";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    const auto back = Load(Assets::kSkeletonFile, Assets::ReadSkeleton, folder);
    ASSERT_EQ(back.bones.size(), skeleton.bones.size());
    for (std::size_t b = 0; b < skeleton.bones.size(); ++b) {
        const Assets::BoneData& sent = skeleton.bones[b];
        EXPECT_EQ(back.bones[b].name, sent.name);
        EXPECT_EQ(back.bones[b].parent, sent.parent) << sent.name;
        EXPECT_LE(Difference(Exact(back.bones[b].bindPose), Exact(sent.bindPose)), 1e-4) << sent.name;
    }
    for (const Assets::ResourceFile& file : {Assets::kClipFiles[13], Assets::kClipFiles[14]}) {  // Walk and Run
        const auto sent = Load(file, Assets::ReadAnimation), returned = Load(file, Assets::ReadAnimation, folder);
        EXPECT_NEAR(returned.duration, sent.duration, 1e-4) << file.name;
        double worst = 0.0;
        for (int i = 0; i < 10; ++i) {
            const double time = sent.duration * i / 9.0;
            const std::vector<ExactPose> expected = ExactSample(skeleton, sent, time), actual = ExactSample(skeleton, returned, time);
            for (std::size_t b = 0; b < expected.size(); ++b) worst = std::max(worst, Difference(actual[b], expected[b]));
        }
        EXPECT_LE(worst, 1e-3) << file.name;
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove(folder + ".log");
}
