#include "CharacterRig.h"

#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include <Assets/Formats.h>
#include <RenderInterface/Renderer.h>

#include "character/Selectors.h"
#include "util/Input.h"

namespace CharacterTest {

namespace {

constexpr int RigBoneCount = 40;
constexpr int RigHand = 36;

Assets::SkeletonData RigSkeleton()
{
    Assets::SkeletonData skeleton;
    for (int i = 0; i < RigBoneCount; ++i) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(i);
        bone.parent = i - 1;
        if (i > 0) {
            bone.bindPose.translation = Math::Vector3(0.0f, 1.0f, 0.0f);
        }
        if (i == RigHand) {
            bone.bindPose.rotation = Math::Quaternion::RotateZ(1.5707964f);
        }
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

Assets::AnimationData RigClip(float x)
{
    Assets::AnimationData clip;
    clip.duration = RigClipDuration;
    Assets::BoneTrack root;
    root.bone = 0;
    root.translations = {{0.0f, Math::Vector3(x, 0.0f, 0.0f)},
                         {RigClipDuration, Math::Vector3(x, RigRiseRate * RigClipDuration, 0.0f)}};
    clip.tracks.push_back(root);
    return clip;
}

std::string WriteAsset(const std::string& name, const Assets::Bytes& bytes)
{
    const std::string path = testing::TempDir() + "vantor-character-" + name;
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
    return path;
}

}  // namespace

glm::mat4 RigHandBone(const glm::vec3& root)
{
    const glm::mat4 position = glm::translate(glm::mat4(1.0f), root + glm::vec3(0.0f, RigHand, 0.0f));
    return glm::rotate(position, glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
}

void CharacterScene::SetUp()
{
    ASSERT_TRUE(gl);
    recorder = std::make_unique<TestSupport::RecordingRenderer>(*gl.Get());
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    bar = TwNewBar("Tovrin_Stage1");
    Util::Input::Initialize();
    weaponIndex = 0;
    clipIndex = 5;
}

void CharacterScene::TearDown()
{
    if (initialised && !shutDown) {
        character.Shutdown();
    }
    Util::Input::Shutdown();
    TwTerminate();
}

void CharacterScene::InitCharacter()
{
    character.Init(recorder.get(), bar);
    initialised = true;
    initCalls.swap(recorder->calls);
}

void CharacterScene::UseRigAssets()
{
    // Registered on the real renderer so that the character's own calls stay the only records.
    RenderInterface::Renderer& renderer = *gl.Get();
    renderer.RegisterSkeleton(WriteAsset("rig.ske", Assets::WriteSkeleton(RigSkeleton())).c_str(), "RigSkeleton");
    renderer.RegisterAnimation(WriteAsset("walk.anim", Assets::WriteAnimation(RigClip(0.0f))).c_str(), "RigWalk");
    renderer.RegisterAnimation(WriteAsset("run.anim", Assets::WriteAnimation(RigClip(RigRunX))).c_str(), "RigRun");

    character.playerModel->SetSkeleton("RigSkeleton");
    character.animationStates[PathCharacter::RunState]->SetAnimationName("RigRun");
    character.animationStates[PathCharacter::RunState]->SetTime(0.0f);
    character.animationStates[PathCharacter::WalkState]->SetAnimationName("RigWalk");
    character.animationStates[PathCharacter::WalkState]->SetTime(0.0f);
}

void CharacterScene::Frame()
{
    Util::Input::Update();
    character.Update();
}

}  // namespace CharacterTest
