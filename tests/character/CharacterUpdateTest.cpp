// The per-frame update as the renderer sees it: the path and axis drawing, the player's
// skinning and world matrices, and the weapon named by the selector and carried at the hand.
#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>

#include <RenderInterface/Renderer.h>

#include "CharacterRig.h"
#include "demo/Selectors.h"

namespace CharacterTest {
namespace {

class Update : public CharacterScene {
protected:
    void SetUp() override
    {
        CharacterScene::SetUp();
        InitCharacter();
    }

    // The player's world matrix for this frame's place and heading, by glm.
    glm::mat4 PlayerWorld() const
    {
        return glm::translate(glm::mat4(1.0f), ToGlm(character.position)) *
               glm::mat4_cast(glm::normalize(ToGlm(character.orientation))) * glm::scale(glm::mat4(1.0f), glm::vec3(0.3f));
    }
};

const glm::mat4 HandOffset = glm::translate(glm::mat4(1.0f), glm::vec3(9.75f, 2.8f, 6.305f));
const glm::vec4 Red(1, 0, 0, 0), Green(0, 1, 0, 0), Blue(0, 0, 1, 0);
constexpr float WorldSpace = 1.0f;
constexpr float OverlaySpace = 2.0f;

void ExpectNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance)
{
    for (int column = 0; column < 4; ++column) {
        EXPECT_LT(glm::length(actual[column] - expected[column]), tolerance) << "column " << column;
    }
}

glm::vec3 Point(const TestSupport::RecordedCall& call, int first)
{
    return glm::vec3(call.values[first], call.values[first + 1], call.values[first + 2]);
}

glm::vec4 Colour(const TestSupport::RecordedCall& call, int first)
{
    return glm::vec4(Point(call, first), call.values[first + 3]);
}

// Each frame: a green sphere of radius 3 on every control point and 61 red path lines, sample
// to sample and the last closing on the final control point, depth-tested; then the axis lines
// over the scene, 10 long: forward red, up green, right blue.
TEST_F(Update, DrawsControlPointsPathAndAxes)
{
    Frame();
    const auto spheres = recorder->Calls("DrawSphere");
    const std::vector<Math::Vector2> loop = FixedLoopPoints();
    ASSERT_EQ(spheres.size(), 13u);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        EXPECT_EQ(Point(spheres[i], 0), glm::vec3(loop[i].x, 0.0f, loop[i].y)) << i;
        EXPECT_EQ(spheres[i].values[3], 3.0f);
        EXPECT_EQ(Colour(spheres[i], 4), Green);
        EXPECT_EQ(spheres[i].values[8], WorldSpace);
    }

    const auto lines = recorder->Calls("DrawLine");
    ASSERT_EQ(lines.size(), 64u);
    for (std::size_t i = 0; i < 61; ++i) {
        EXPECT_EQ(Point(lines[i], 0), ToGlm(character.curvePoints[i])) << i;
        EXPECT_EQ(Point(lines[i], 7), i < 60 ? ToGlm(character.curvePoints[i + 1]) : glm::vec3(-100, 0, 100)) << i;
        EXPECT_TRUE(Colour(lines[i], 3) == Red && Colour(lines[i], 10) == Red && lines[i].values[14] == WorldSpace);
    }
    EXPECT_LT(glm::distance(Point(lines[60], 0), Point(lines[60], 7)), 0.01f);

    const glm::quat heading = glm::normalize(ToGlm(character.orientation));
    const glm::vec3 axes[] = {heading * glm::vec3(0, 0, 1), heading * glm::vec3(0, 1, 0), heading * glm::vec3(1, 0, 0)};
    const glm::vec4 colours[] = {Red, Green, Blue};
    for (int k = 0; k < 3; ++k) {
        const TestSupport::RecordedCall& line = lines[61 + k];
        EXPECT_EQ(Point(line, 0), ToGlm(character.position));
        EXPECT_LT(glm::distance(Point(line, 7), ToGlm(character.position) + 10.0f * axes[k]), 1e-4f) << k;
        EXPECT_TRUE(Colour(line, 3) == colours[k] && Colour(line, 10) == colours[k]) << k;
        EXPECT_EQ(line.values[14], OverlaySpace);
    }
}

// The player gets this frame's skinning matrices and stands at its place and heading; the weapon
// rides on bone 36: player world x hand bone x grip offset.
TEST_F(Update, PlacesThePlayerAndCarriesTheWeaponAtTheHandBone)
{
    UseRigAssets();
    for (int frame = 0; frame < 30; ++frame) {
        Frame();
    }
    ExpectNear(ToGlm(character.playerModel->GetWorldMatrix()), PlayerWorld(), 1e-4f);
    const std::vector<Math::Matrix4>& uploaded = character.playerModel->GetSkinningMatricies();
    ASSERT_EQ(uploaded.size(), 40u);
    EXPECT_EQ(ToGlm(uploaded[39]), ToGlm(character.skinningMatrices[39]));
    const glm::mat4 hand = RigHandBone(ToGlm(character.localPoses.at(0).translation));
    ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld() * hand * HandOffset, 1e-3f);
}

// Skeletons without a hand bone, or none the renderer knows: the weapon stays at the grip
// offset from the player's origin, and nothing reads past the bone list.
TEST_F(Update, WithoutAHandBoneTheWeaponStaysAtThePlayersOrigin)
{
    for (const char* skeleton : {"TwoBoneSkeleton", "NoSuchSkeleton"}) {
        UseRigAssets(skeleton);
        Frame();
        ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld() * HandOffset, 1e-4f);
    }
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
