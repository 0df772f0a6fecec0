// The per-frame update as the renderer sees it: the path and axis drawing, the player's
// skinning and world matrices, and the weapon named by the selector and carried at the hand.
// The character is fully set up on the real renderer (offscreen window), seen through a recording
// renderer, with its tweak bar and the input module running; Init loads the warrior's generated
// assets from the working directory (the build directory).
#include <algorithm>
#include <memory>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <glm/gtc/type_ptr.hpp>

#include "CharacterTestSupport.h"
#include "RigAssets.h"
#include "character/Selectors.h"
#include "util/Input.h"

namespace CharacterTest {
namespace {

// Init has run on the recorder and the bar; its calls are in initCalls.
class Update : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        recorder = std::make_unique<TestSupport::RecordingRenderer>(*gl.Get());
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        Util::Input::Initialize();
        weaponIndex = 0;
        clipIndex = 5;
        character.Init(recorder.get(), TwNewBar("Tovrin_Stage1"));
        initCalls.swap(recorder->calls);
    }
    void TearDown() override
    {
        character.Shutdown();
        Util::Input::Shutdown();
        TwTerminate();
    }
    // One frame of the character as the demo runs it: input snapshot, then Update.
    void Frame()
    {
        Util::Input::Update();
        character.Update();
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::unique_ptr<TestSupport::RecordingRenderer> recorder;
    std::vector<TestSupport::RecordedCall> initCalls;
    PathCharacter character;
};


const glm::mat4 HandOffset = glm::translate(glm::mat4(1.0f), glm::vec3(9.75f, 2.8f, 6.305f));
const glm::vec4 Red(1, 0, 0, 0), Green(0, 1, 0, 0), Blue(0, 0, 1, 0);

// The player's world matrix for this frame's place and heading, by glm.
glm::mat4 PlayerWorld(const PathCharacter& c)
{
    return glm::translate(glm::mat4(1.0f), ToGlm(c.position)) * glm::mat4_cast(glm::normalize(ToGlm(c.orientation))) *
           glm::scale(glm::mat4(1.0f), glm::vec3(0.3f));
}

void ExpectNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance)
{
    for (int column = 0; column < 4; ++column) {
        EXPECT_LT(glm::length(actual[column] - expected[column]), tolerance) << "column " << column;
    }
}

glm::vec3 Point(const TestSupport::RecordedCall& call, int first) { return glm::make_vec3(&call.values[first]); }
glm::vec4 Colour(const TestSupport::RecordedCall& call, int first) { return glm::make_vec4(&call.values[first]); }

// Each frame: a green sphere of radius 3 on every control point, 61 red path lines in the world
// (space 1), then forward, up and right as red, green and blue lines over the scene (space 2).
TEST_F(Update, DrawsControlPointsPathAndAxes)
{
    Frame();
    const auto spheres = recorder->Calls("DrawSphere");
    const auto lines = recorder->Calls("DrawLine");
    ASSERT_EQ(spheres.size(), 13u);
    ASSERT_EQ(lines.size(), 64u);
    for (const auto& sphere : spheres) {
        EXPECT_TRUE(sphere.values[3] == 3.0f && Colour(sphere, 4) == Green && sphere.values[8] == 1.0f);
    }
    EXPECT_EQ(Point(spheres[12], 0), glm::vec3(-100, 0, 100));
    for (std::size_t i = 0; i < 64; ++i) {
        const bool axis = i >= 61;
        const glm::vec4 colour = !axis ? Red : i == 61 ? Red : i == 62 ? Green : Blue;
        EXPECT_TRUE(Colour(lines[i], 3) == colour && lines[i].values[14] == (axis ? 2.0f : 1.0f)) << i;
        EXPECT_TRUE(axis || Point(lines[i], 0) == ToGlm(character.curvePoints[i])) << i;
    }
    EXPECT_LT(glm::distance(Point(lines[61], 7), ToGlm(character.position) + 10.0f * FacingOf(character.orientation)),
              1e-4f);
}

// The player gets this frame's skinning matrices and stands at its place and heading; the weapon
// rides on bone 36: player world x hand bone x grip offset. A skeleton nobody registered gives
// no skinning matrices, and the weapon stays at the grip offset from the player's origin.
TEST_F(Update, PlacesThePlayerAndCarriesTheWeaponAtTheHandBone)
{
    UseRigAssets(character);
    for (int frame = 0; frame < 30; ++frame) {
        Frame();
    }
    ExpectNear(ToGlm(character.playerModel->GetWorldMatrix()), PlayerWorld(character), 1e-4f);
    const std::vector<Math::Matrix4>& uploaded = character.playerModel->GetSkinningMatricies();
    ASSERT_EQ(uploaded.size(), 40u);
    EXPECT_EQ(ToGlm(uploaded[39]), ToGlm(character.skinningMatrices[39]));
    const glm::mat4 hand = RigHandBone(ToGlm(character.localPoses.at(0).translation));
    ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld(character) * hand * HandOffset, 1e-3f);
    character.playerModel->SetSkeleton("NoSuchSkeleton");
    Frame();
    ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld(character) * HandOffset, 1e-4f);
    EXPECT_TRUE(character.playerModel->GetSkinningMatricies().empty());
}

// The weapon takes the selected weapon's name every frame; "Human" is the warrior's second mesh.
TEST_F(Update, NamesTheWeaponAfterTheSelectionEveryFrame)
{
    const char* expected[] = {"Sword", "Shield", "Human", "Gun"};
    for (int index = 0; index < 4; ++index) {
        weaponIndex = index;
        character.weaponModel->SetModelName("something else");
        Frame();
        EXPECT_EQ(character.weaponModel->GetModelName(), expected[index]);
    }
    const auto human = std::find_if(initCalls.begin(), initCalls.end(), [](const TestSupport::RecordedCall& call) {
        return call.operation == "RegisterModel" && call.text[1] == "Human";
    });
    ASSERT_NE(human, initCalls.end());
    EXPECT_EQ(human->text[0], ".\\resources\\models\\Warrior_Skeleton2.mesh");
}

}  // namespace
}  // namespace CharacterTest
