// Set-up and teardown: what the character registers and creates, in which order and with which
// values; its tweak variables; the fixed loop; its starting place and heading.
#include <string>
#include <tuple>
#include <vector>

#include <RenderInterface/Renderer.h>
#include <TweakBarQuery.h>

#include "CharacterRig.h"
#include "CharacterTestSupport.h"

namespace CharacterTest {
namespace {

using Registration = std::tuple<std::string, std::string, std::string>;

class Setup : public CharacterScene {
protected:
    // Init without forgetting its calls.
    void InitRecorded()
    {
        character.Init(recorder.get(), bar);
        initialised = true;
    }
};

TEST_F(Setup, RegistersClipsThenSkeletonThenMeshes)
{
    InitRecorded();
    std::vector<Registration> registered;
    for (const TestSupport::RecordedCall& call : recorder->calls) {
        if (call.operation.rfind("Register", 0) == 0 && call.operation != "Register") {
            registered.emplace_back(call.operation, call.text[0], call.text[1]);
        }
    }
    const std::string clips = ".\\resources\\animations\\";
    const std::vector<Registration> expected = {
        {"RegisterAnimation", clips + "Warrior_Attack_1.anim", "Attack1"},
        {"RegisterAnimation", clips + "Warrior_Attack_2.anim", "Attack2"},
        {"RegisterAnimation", clips + "Warrior_Attack_3.anim", "Attack3"},
        {"RegisterAnimation", clips + "Warrior_Die.anim", "Die"},
        {"RegisterAnimation", clips + "Warrior_Guard.anim", "Guard"},
        {"RegisterAnimation", clips + "Warrior_Critical_Damage.anim", "Critical_Damage"},
        {"RegisterAnimation", clips + "Warrior_Damage.anim", "Damage"},
        {"RegisterAnimation", clips + "Warrior_Skill_1.anim", "Skill1"},
        {"RegisterAnimation", clips + "Warrior_Skill_2.anim", "Skill2"},
        {"RegisterAnimation", clips + "Warrior_Skill_3.anim", "Skill3"},
        {"RegisterAnimation", clips + "Warrior_Skill_4.anim", "Skill4"},
        {"RegisterAnimation", clips + "Warrior_Skill_5.anim", "Skill5"},
        {"RegisterAnimation", clips + "Warrior_Stand.anim", "Stand"},
        {"RegisterAnimation", clips + "Warrior_Walk.anim", "Walk"},
        {"RegisterAnimation", clips + "Warrior_Run.anim", "Run"},
        {"RegisterSkeleton", ".\\resources\\skeletons\\Warrior_Skeleton.ske", "PlayerSkeleton"},
        {"RegisterModel", ".\\resources\\models\\Warrior_Skeleton2.mesh", "Human"},
        {"RegisterModel", ".\\resources\\models\\Warrior_Skeleton.mesh", "Player"},
    };
    EXPECT_EQ(registered, expected) << recorder->Transcript();
}

// The models are registered right after the assets and configured afterwards.
TEST_F(Setup, RegistersThePlayerThenTheWeaponModel)
{
    InitRecorded();
    const std::vector<TestSupport::RecordedCall> objects = recorder->Calls("Register");
    ASSERT_EQ(objects.size(), 2u) << recorder->Transcript();
    EXPECT_EQ(objects[0].renderable, character.playerModel);
    EXPECT_EQ(objects[0].renderableType, RenderInterface::RenderableType::AnimatedModel);
    EXPECT_EQ(objects[1].renderable, character.weaponModel);
    EXPECT_EQ(objects[1].renderableType, RenderInterface::RenderableType::StaticModel);
    EXPECT_EQ(character.weaponModel->GetModelName(), "Sword");
    EXPECT_EQ(character.playerModel->GetModelName(), "Player");
    EXPECT_EQ(character.playerModel->GetSkeletonName(), "PlayerSkeleton");
    // Until the first frame the player stands 10 below the origin at a third of its size.
    const glm::mat4 expected = glm::mat4(glm::vec4(0.3f, 0, 0, 0), glm::vec4(0, 0.3f, 0, 0), glm::vec4(0, 0, 0.3f, 0),
                                         glm::vec4(0, -10.0f, 0, 1));
    EXPECT_EQ(ToGlm(character.playerModel->GetWorldMatrix()), expected);
}

// One state per clip, in the order of the clip selector, not the order of registration.
TEST_F(Setup, CreatesFifteenStatesInSelectorOrder)
{
    InitRecorded();
    const std::vector<std::string> expected = {"Attack1", "Attack2", "Attack3", "Die",    "Run",
                                               "Walk",    "Guard",   "Damage",  "Critical_Damage",
                                               "Stand",   "Skill1",  "Skill2",  "Skill3", "Skill4", "Skill5"};
    std::vector<std::string> names;
    for (const RenderInterface::AnimationState* state : character.animationStates) {
        ASSERT_NE(state, nullptr);
        names.push_back(state->GetAnimationName());
        EXPECT_EQ(state->GetTime(), 0.0f);
    }
    EXPECT_EQ(names, expected);
}

TEST_F(Setup, AddsItsThreeSettingsToTheBar)
{
    InitRecorded();
    const std::vector<TwVarInfo> entries = TwGetBarVars(bar);
    ASSERT_EQ(entries.size(), 3u);
    const struct {
        const char* name;
        const float* variable;
        float value, max, step;
    } expected[] = {{"DeltaTime", &character.deltaTime, 0.007f, 1.0f, 0.016f},
                    {"Speed", &character.speed, 1.0f, 300.0f, 0.5f},
                    {"Speed_Walk_Start", &character.speedWalkStart, 1.0f, 300.0f, 0.5f}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].name);
        EXPECT_EQ(entries[i].type, TW_TYPE_FLOAT);
        EXPECT_EQ(entries[i].var, expected[i].variable);
        EXPECT_EQ(*expected[i].variable, expected[i].value);
        EXPECT_TRUE(entries[i].hasMin && entries[i].hasMax && entries[i].hasStep);
        EXPECT_EQ(entries[i].min, 0.0f);
        EXPECT_EQ(entries[i].max, expected[i].max);
        EXPECT_EQ(entries[i].step, expected[i].step);
    }
}

// The closed loop of 13 points, built into the path; the character starts on it facing along it.
TEST_F(Setup, LaysDownTheLoopAndStandsAtItsStart)
{
    InitRecorded();
    const std::vector<Math::Vector2> loop = FixedLoopPoints();
    ASSERT_EQ(character.controlPoints.size(), loop.size());
    for (std::size_t i = 0; i < loop.size(); ++i) {
        EXPECT_EQ(character.controlPoints[i].x, loop[i].x);
        EXPECT_EQ(character.controlPoints[i].y, loop[i].y);
    }
    EXPECT_EQ(character.curvePoints.size(), 61u);
    EXPECT_EQ(character.position, Math::Vector3(-100.0f, 0.0f, 100.0f));
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
    EXPECT_EQ(character.scale, Math::Vector3(0.3f, 0.3f, 0.3f));
    EXPECT_EQ(character.orientation.s, 1.0f);
    EXPECT_EQ(character.forward, Math::Vector3(0, 0, 1));
    EXPECT_EQ(character.up, Math::Vector3(0, 1, 0));
    EXPECT_EQ(character.right, Math::Vector3(1, 0, 0));
    // From +z toward the second sample.
    const glm::vec3 towardSecond = glm::normalize(ToGlm(character.curvePoints[1]) - ToGlm(character.position));
    const glm::vec3 facing = FacingOf(character.targetOrientation);
    EXPECT_NEAR(facing.x, towardSecond.x, 1e-5f);
    EXPECT_NEAR(facing.z, towardSecond.z, 1e-5f);
    EXPECT_EQ(character.easeInEnd, 0.3f);
    EXPECT_EQ(character.easeOutStart, 0.8f);
}

// Teardown: both models unregistered and deleted, every clip state gone (the slots stay).
TEST_F(Setup, ShutdownUnregistersTheModelsAndDropsTheStates)
{
    InitRecorded();
    const RenderInterface::Renderable* player = character.playerModel;
    const RenderInterface::Renderable* weapon = character.weaponModel;
    recorder->calls.clear();
    character.Shutdown();
    shutDown = true;
    const std::vector<TestSupport::RecordedCall> removed = recorder->Calls("UnRegister");
    ASSERT_EQ(removed.size(), 2u) << recorder->Transcript();
    EXPECT_EQ(removed[0].renderable, player);
    EXPECT_EQ(removed[1].renderable, weapon);
    EXPECT_EQ(recorder->calls.size(), 2u) << recorder->Transcript();
    ASSERT_EQ(character.animationStates.size(), 15u);
    for (const RenderInterface::AnimationState* state : character.animationStates) {
        EXPECT_EQ(state, nullptr);
    }
}

}  // namespace
}  // namespace CharacterTest
