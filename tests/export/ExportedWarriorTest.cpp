// Warrior.glb read back by Assimp, a glTF reader independent of the writer: what a viewer shows
// must be what the demo's own files hold, bone for bone and key for key.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include <Assets/Formats.h>
#include <Assets/ResourcePaths.h>

namespace {

constexpr float kClipUnitsPerSecond = 0.007f * 60.0f;  // the demo's clip step per frame at 60 fps

template <typename Data>
Data Read(const char* path, bool (*read)(const Assets::Bytes&, Data&, std::string&)) {
    Assets::Bytes bytes;
    std::string why;
    Data data;
    EXPECT_TRUE(Assets::ReadFileBytes(std::string(VANTOR_BUILD_DIR "/") + path, bytes, why) && read(bytes, data, why))
        << path << ": " << why;
    return data;
}

// Assimp, like most viewers, shows only the default scene; one scene per weapon is reached by
// making it the default (the digit has the same length, so the GLB's chunk sizes still hold).
const aiScene* Import(Assimp::Importer& importer, int scene = 0) {
    std::ifstream in(VANTOR_BUILD_DIR "/resources/Warrior.glb", std::ios::binary);
    std::string glb((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t field = glb.find("\"scene\":0");
    EXPECT_NE(field, std::string::npos);
    glb[field + 8] = static_cast<char>('0' + scene);
    const aiScene* imported = importer.ReadFileFromMemory(glb.data(), glb.size(), 0, "glb");
    EXPECT_NE(imported, nullptr) << importer.GetErrorString();
    return imported;
}

const aiMesh* FindMesh(const aiScene* scene, const std::string& name) {
    for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
        if (name == scene->mMeshes[i]->mName.C_Str()) return scene->mMeshes[i];
    }
    return nullptr;
}

void ExpectNear(const aiVector3D& actual, const Math::Vector3& expected, float tolerance, const std::string& at) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << at;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << at;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << at;
}

// q and -q are one rotation.
void ExpectNear(const aiQuaternion& actual, const Math::Quaternion& expected, float tolerance, const std::string& at) {
    const Math::Vector3& v = expected.v;
    const float dot = actual.x * v.x + actual.y * v.y + actual.z * v.z + actual.w * expected.s;
    EXPECT_NEAR(std::fabs(dot), 1.0f, tolerance) << at;
}

// Each key at its own time and value. Assimp fills a channel the file lacks with one key of the
// node's own transform, so only channels with keys are compared.
template <typename AssimpKey, typename Key>
void ExpectKeys(const AssimpKey* actual, unsigned count, const std::vector<Key>& expected, double ticksPerSecond,
                const std::string& where) {
    if (expected.empty()) return;
    ASSERT_EQ(count, expected.size()) << where;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].mTime / ticksPerSecond * kClipUnitsPerSecond, expected[k].time, 1e-5) << where;
        ExpectNear(actual[k].mValue, expected[k].value, 1e-5f, where);
    }
}

}  // namespace

// The skeleton: every bone a node of its name under its parent, its bind pose as the node's
// transform, joints in bone order with the inverse bind matrices (transposed correctly).
TEST(ExportedWarrior, SkeletonKeepsNamesParentsBindPoseAndJointOrder) {
    const auto skeleton = Read(Assets::kSkeletonFile.path, Assets::ReadSkeleton);
    Assimp::Importer importer;
    const aiScene* scene = Import(importer);
    ASSERT_TRUE(scene);
    const aiMesh* body = FindMesh(scene, "Warrior");
    ASSERT_TRUE(body);
    ASSERT_EQ(body->mNumBones, skeleton.bones.size());
    const aiNode* root = scene->mRootNode;
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        const Assets::BoneData& bone = skeleton.bones[i];
        const aiNode* node = root->FindNode(bone.name.c_str());
        ASSERT_TRUE(node) << bone.name;
        const aiNode* parent = bone.parent < 0 ? root : root->FindNode(skeleton.bones[bone.parent].name.c_str());
        EXPECT_EQ(node->mParent, parent) << bone.name;
        aiVector3D scale, position;
        aiQuaternion rotation;
        node->mTransformation.Decompose(scale, rotation, position);
        ExpectNear(position, bone.bindPose.translation, 1e-4f, bone.name);
        ExpectNear(scale, bone.bindPose.scale, 1e-5f, bone.name);
        ExpectNear(rotation, bone.bindPose.rotation, 1e-6f, bone.name);

        const aiBone* joint = body->mBones[i];
        EXPECT_EQ(joint->mName.C_Str(), bone.name);
        for (int element = 0; element < 12; ++element) {  // the last row is (0, 0, 0, 1) in both
            EXPECT_NEAR(joint->mOffsetMatrix[element / 4][element % 4], bone.inverseBind[element], 1e-5f) << bone.name;
        }
    }
}

// Every clip under the name the demo registers, its length in seconds, and every key of every
// track at its own time: nothing resampled, nothing lost.
TEST(ExportedWarrior, AnimationsKeepNamesDurationsAndEveryKey) {
    Assimp::Importer importer;
    const aiScene* scene = Import(importer);
    ASSERT_TRUE(scene);
    ASSERT_EQ(scene->mNumAnimations, Assets::kClipFiles.size());
    const auto skeleton = Read(Assets::kSkeletonFile.path, Assets::ReadSkeleton);
    for (std::size_t c = 0; c < Assets::kClipFiles.size(); ++c) {
        const auto clip = Read(Assets::kClipFiles[c].path, Assets::ReadAnimation);
        const aiAnimation* animation = scene->mAnimations[c];
        const std::string name = Assets::kClipFiles[c].name;
        EXPECT_EQ(animation->mName.C_Str(), name);
        const double rate = animation->mTicksPerSecond;
        EXPECT_NEAR(animation->mDuration / rate, clip.duration / kClipUnitsPerSecond, 1e-4) << name;
        ASSERT_EQ(animation->mNumChannels, clip.tracks.size()) << name;
        for (const Assets::BoneTrack& track : clip.tracks) {
            const std::string& bone = skeleton.bones[track.bone].name;
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

// The warrior's mesh with its colours decoded from sRGB, and in each scene one weapon held at
// the demo's grip: the hand's bind matrix, then translate(9.75, 2.8, 6.305), then the weapon.
TEST(ExportedWarrior, MeshesAreTheDemosWithEachWeaponAtTheGrip) {
    const auto body = Read(Assets::kPlayerMeshFile.path, Assets::ReadMesh);
    for (int s = 0; s < static_cast<int>(Assets::kWeaponFiles.size()); ++s) {
        Assimp::Importer importer;
        const aiScene* scene = Import(importer, s);
        ASSERT_TRUE(scene);
        EXPECT_EQ(scene->mNumMeshes, 2u) << "the warrior and one weapon";
        const aiMesh* warrior = FindMesh(scene, "Warrior");
        ASSERT_TRUE(warrior && warrior->HasVertexColors(0));
        ASSERT_EQ(warrior->mNumVertices, body.vertices.size());
        EXPECT_EQ(warrior->mNumFaces, body.indices.size() / 3);
        for (std::size_t v = 0; v < body.vertices.size(); v += 97) {
            const double srgb = body.vertices[v].color[0] / 255.0;
            const double linear = srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
            EXPECT_NEAR(warrior->mColors[0][v].r, linear, 1e-5) << "vertex " << v;
        }

        const auto weapon = Read(Assets::kWeaponFiles[s].path, Assets::ReadMesh);
        const aiMesh* held = FindMesh(scene, Assets::kWeaponFiles[s].name);
        ASSERT_TRUE(held);
        ASSERT_EQ(held->mNumVertices, weapon.vertices.size());
        EXPECT_EQ(held->mNumFaces, weapon.indices.size() / 3);
        // Assimp lists every joint of the skin; only the hand may carry weight.
        const aiBone* hand = nullptr;
        unsigned carrying = 0;
        for (unsigned b = 0; b < held->mNumBones; ++b) {
            const aiBone* bone = held->mBones[b];
            bool carries = false;
            for (unsigned w = 0; w < bone->mNumWeights; ++w) carries |= bone->mWeights[w].mWeight > 0.0f;
            if (carries) hand = bone, ++carrying;
        }
        ASSERT_EQ(carrying, 1u);
        EXPECT_STREQ(hand->mName.C_Str(), "RightHand");
        EXPECT_EQ(hand->mNumWeights, weapon.vertices.size());
        for (std::size_t v = 0; v < weapon.vertices.size(); ++v) {
            ExpectNear(hand->mOffsetMatrix * held->mVertices[v],
                       weapon.vertices[v].position + Math::Vector3(9.75f, 2.8f, 6.305f), 1e-3f, Assets::kWeaponFiles[s].name);
        }
    }
}
