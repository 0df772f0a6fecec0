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
    void SetUp() override
    {
        CharacterScene::SetUp();
        InitCharacter();
    }
};

TEST_F(Setup, RegistersClipsSkeletonMeshesThenTheTwoModels)
{
    std::vector<Registration> registered;
    for (const TestSupport::RecordedCall& call : initCalls) {
        if (call.operation != "Register") {
            registered.emplace_back(call.operation, call.text[0], call.text[1]);
        }
    }
    const std::string clips = ".\\resources\\animations\\Warrior_";
    const std::vector<Registration> expected = {
        {"RegisterAnimation", clips + "Attack_1.anim", "Attack1"},
        {"RegisterAnimation", clips + "Attack_2.anim", "Attack2"},
        {"RegisterAnimation", clips + "Attack_3.anim", "Attack3"},
        {"RegisterAnimation", clips + "Die.anim", "Die"},
        {"RegisterAnimation", clips + "Guard.anim", "Guard"},
        {"RegisterAnimation", clips + "Critical_Damage.anim", "Critical_Damage"},
        {"RegisterAnimation", clips + "Damage.anim", "Damage"},
        {"RegisterAnimation", clips + "Skill_1.anim", "Skill1"},
        {"RegisterAnimation", clips + "Skill_2.anim", "Skill2"},
        {"RegisterAnimation", clips + "Skill_3.anim", "Skill3"},
        {"RegisterAnimation", clips + "Skill_4.anim", "Skill4"},
        {"RegisterAnimation", clips + "Skill_5.anim", "Skill5"},
        {"RegisterAnimation", clips + "Stand.anim", "Stand"},
        {"RegisterAnimation", clips + "Walk.anim", "Walk"},
        {"RegisterAnimation", clips + "Run.anim", "Run"},
        {"RegisterSkeleton", ".\\resources\\skeletons\\Warrior_Skeleton.ske", "PlayerSkeleton"},
        {"RegisterModel", ".\\resources\\models\\Warrior_Skeleton2.mesh", "Human"},
        {"RegisterModel", ".\\resources\\models\\Warrior_Skeleton.mesh", "Player"},
    };
    EXPECT_EQ(registered, expected);
    ASSERT_EQ(initCalls.size(), expected.size() + 2);
    EXPECT_EQ(initCalls[18].renderable, character.playerModel);
    EXPECT_EQ(initCalls[18].renderableType, RenderInterface::RenderableType::AnimatedModel);
    EXPECT_EQ(initCalls[19].renderable, character.weaponModel);
    EXPECT_EQ(initCalls[19].renderableType, RenderInterface::RenderableType::StaticModel);
}

// The models' first configuration, and one clip state per clip in the selector's order (not
// the order of registration).
TEST_F(Setup, ConfiguresTheModelsAndCreatesFifteenStates)
{
    EXPECT_EQ(character.weaponModel->GetModelName(), "Sword");
    EXPECT_EQ(character.playerModel->GetModelName(), "Player");
    EXPECT_EQ(character.playerModel->GetSkeletonName(), "PlayerSkeleton");
    // Until the first frame the player stands 10 below the origin at 0.3 of its size.
    EXPECT_EQ(ToGlm(character.playerModel->GetWorldMatrix()),
              glm::mat4(glm::vec4(0.3f, 0, 0, 0), glm::vec4(0, 0.3f, 0, 0), glm::vec4(0, 0, 0.3f, 0),
                        glm::vec4(0, -10.0f, 0, 1)));
    const std::vector<std::string> expected = {"Attack1", "Attack2", "Attack3", "Die",    "Run",
                                               "Walk",    "Guard",   "Damage",  "Critical_Damage",
                                               "Stand",   "Skill1",  "Skill2",  "Skill3", "Skill4", "Skill5"};
    std::vector<std::string> names;
    for (const RenderInterface::AnimationState* state : character.animationStates) {
        names.push_back(state->GetAnimationName());
    }
    EXPECT_EQ(names, expected);
}

TEST_F(Setup, AddsItsThreeSettingsToTheBar)
{
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
        EXPECT_TRUE(entries[i].hasMin && entries[i].min == 0.0f);
        EXPECT_TRUE(entries[i].hasMax && entries[i].max == expected[i].max);
        EXPECT_TRUE(entries[i].hasStep && entries[i].step == expected[i].step);
    }
}

// The closed 13-point loop is built, and the character stands at its start, unturned, with a
// target heading that turns it from +z toward the second sample.
TEST_F(Setup, LaysDownTheLoopAndStandsAtItsStart)
{
    const std::vector<Math::Vector2> loop = FixedLoopPoints();
    ASSERT_EQ(character.controlPoints.size(), loop.size());
    for (std::size_t i = 0; i < loop.size(); ++i) {
        EXPECT_TRUE(character.controlPoints[i].x == loop[i].x && character.controlPoints[i].y == loop[i].y) << i;
    }
    EXPECT_EQ(character.curvePoints.size(), 61u);
    EXPECT_EQ(character.position, Math::Vector3(-100.0f, 0.0f, 100.0f));
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
    EXPECT_EQ(character.scale, Math::Vector3(0.3f, 0.3f, 0.3f));
    EXPECT_EQ(character.orientation.s, 1.0f);
    EXPECT_EQ(character.right, Math::Vector3(1, 0, 0));
    EXPECT_EQ(character.up, Math::Vector3(0, 1, 0));
    EXPECT_EQ(character.forward, Math::Vector3(0, 0, 1));
    const glm::vec3 towardSecond = glm::normalize(ToGlm(character.curvePoints[1]) - ToGlm(character.position));
    EXPECT_LT(glm::distance(FacingOf(character.targetOrientation), towardSecond), 1e-5f);
}

// Teardown: both models unregistered (and deleted), every clip state gone; the slots stay.
TEST_F(Setup, ShutdownUnregistersTheModelsAndDropsTheStates)
{
    const RenderInterface::Renderable* player = character.playerModel;
    const RenderInterface::Renderable* weapon = character.weaponModel;
    character.Shutdown();
    shutDown = true;
    ASSERT_EQ(recorder->calls.size(), 2u) << recorder->Transcript();
    EXPECT_EQ(recorder->calls[0].operation, "UnRegister");
    EXPECT_EQ(recorder->calls[0].renderable, player);
    EXPECT_EQ(recorder->calls[1].operation, "UnRegister");
    EXPECT_EQ(recorder->calls[1].renderable, weapon);
    EXPECT_EQ(character.animationStates, std::vector<RenderInterface::AnimationState*>(15, nullptr));
}

}  // namespace
}  // namespace CharacterTest
