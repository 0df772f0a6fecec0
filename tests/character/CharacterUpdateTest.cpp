// The per-frame update as the renderer sees it: the path and axis drawing, the player's
// skinning and world matrices, and the weapon named by the selector and carried at the hand.
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <RenderInterface/Renderer.h>

#include "CharacterRig.h"
#include "CharacterTestSupport.h"
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
    glm::mat4 ExpectedPlayerWorld() const
    {
        const glm::mat4 translation = glm::translate(glm::mat4(1.0f), ToGlm(character.position));
        const glm::mat4 rotation = glm::mat4_cast(glm::normalize(ToGlm(character.orientation)));
        return translation * rotation * glm::scale(glm::mat4(1.0f), glm::vec3(0.3f));
    }

    static glm::mat4 HandOffset() { return glm::translate(glm::mat4(1.0f), glm::vec3(9.75f, 2.8f, 6.305f)); }
};

void ExpectMatrixNear(const Math::Matrix4& actual, const glm::mat4& expected, float tolerance)
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_NEAR(actual[row * 4 + column], expected[column][row], tolerance) << "row " << row << ", column "
                                                                                    << column;
        }
    }
}

glm::vec3 Point(const TestSupport::RecordedCall& line, int first)
{
    return glm::vec3(line.values[first], line.values[first + 1], line.values[first + 2]);
}

glm::vec4 Colour(const TestSupport::RecordedCall& call, int first)
{
    return glm::vec4(call.values[first], call.values[first + 1], call.values[first + 2], call.values[first + 3]);
}

const glm::vec4 Red(1, 0, 0, 0);
const glm::vec4 Green(0, 1, 0, 0);
const glm::vec4 Blue(0, 0, 1, 0);
constexpr float WorldSpace = 1.0f;
constexpr float OverlaySpace = 2.0f;

// Control points as green spheres of radius 3 on the ground, in the depth-tested space.
TEST_F(Update, DrawsAGreenSphereOnEveryControlPoint)
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
}

// 61 red path lines, sample to sample, the last closing on the final control point; then the
// three axis lines over the scene: forward red, up green, right blue, 10 long.
TEST_F(Update, DrawsThePathThenTheCharactersAxes)
{
    Frame();
    const auto lines = recorder->Calls("DrawLine");
    ASSERT_EQ(lines.size(), 64u);
    for (std::size_t i = 0; i < 61; ++i) {
        const glm::vec3 end = i < 60 ? ToGlm(character.curvePoints[i + 1]) : glm::vec3(-100.0f, 0.0f, 100.0f);
        EXPECT_EQ(Point(lines[i], 0), ToGlm(character.curvePoints[i])) << i;
        EXPECT_EQ(Point(lines[i], 7), end) << i;
        EXPECT_EQ(Colour(lines[i], 3), Red);
        EXPECT_EQ(Colour(lines[i], 10), Red);
        EXPECT_EQ(lines[i].values[14], WorldSpace);
    }
    EXPECT_LT(glm::distance(Point(lines[60], 0), Point(lines[60], 7)), 0.01f);

    const glm::quat heading = glm::normalize(ToGlm(character.orientation));
    const glm::vec3 axes[] = {heading * glm::vec3(0, 0, 1), heading * glm::vec3(0, 1, 0), heading * glm::vec3(1, 0, 0)};
    const glm::vec4 colours[] = {Red, Green, Blue};
    for (int k = 0; k < 3; ++k) {
        const TestSupport::RecordedCall& line = lines[61 + k];
        EXPECT_EQ(Point(line, 0), ToGlm(character.position));
        const glm::vec3 expectedEnd = ToGlm(character.position) + 10.0f * axes[k];
        EXPECT_NEAR(glm::distance(Point(line, 7), expectedEnd), 0.0f, 1e-4f) << "axis " << k;
        EXPECT_EQ(Colour(line, 3), colours[k]);
        EXPECT_EQ(Colour(line, 10), colours[k]);
        EXPECT_EQ(line.values[14], OverlaySpace);
    }
}

TEST_F(Update, PlacesThePlayerAndHandsItTheSkinningMatrices)
{
    UseRigAssets();
    for (int frame = 0; frame < 30; ++frame) {
        Frame();
    }
    ExpectMatrixNear(character.playerModel->GetWorldMatrix(), ExpectedPlayerWorld(), 1e-4f);
    const std::vector<Math::Matrix4>& uploaded = character.playerModel->GetSkinningMatricies();
    ASSERT_EQ(uploaded.size(), 40u);
    for (std::size_t bone = 0; bone < uploaded.size(); ++bone) {
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(uploaded[bone][i], character.skinningMatrices[bone][i]);
        }
    }
}

// The weapon rides on bone 36: player world x hand bone x grip offset.
TEST_F(Update, CarriesTheWeaponAtTheHandBone)
{
    UseRigAssets();
    for (int frame = 0; frame < 30; ++frame) {
        Frame();
    }
    const Math::Vector3& root = character.localPoses.at(0).translation;
    const glm::mat4 expected = ExpectedPlayerWorld() * RigHandBone(glm::vec3(root.x, root.y, root.z)) * HandOffset();
    ExpectMatrixNear(character.weaponModel->GetWorldMatrix(), expected, 1e-3f);
}

// Skeletons without a hand bone, or none the renderer knows: the weapon stays at the grip
// offset from the player's origin, and nothing reads past the bone list.
TEST_F(Update, WithoutAHandBoneTheWeaponStaysAtThePlayersOrigin)
{
    for (const char* skeleton : {"TwoBoneSkeleton", "NoSuchSkeleton"}) {
        UseRigAssets(skeleton);
        Frame();
        ExpectMatrixNear(character.weaponModel->GetWorldMatrix(), ExpectedPlayerWorld() * HandOffset(), 1e-4f);
    }
    EXPECT_TRUE(character.playerModel->GetSkinningMatricies().empty());
}

// The weapon takes the selected weapon's name every frame, "Human" being the warrior's own mesh.
TEST_F(Update, NamesTheWeaponAfterTheSelectionEveryFrame)
{
    const char* expected[] = {"Sword", "Shield", "Human", "Gun"};
    for (int index = 0; index < 4; ++index) {
        weaponIndex = index;
        character.weaponModel->SetModelName("something else");
        Frame();
        EXPECT_EQ(character.weaponModel->GetModelName(), expected[index]);
    }
}

TEST_F(Update, HumanWeaponIsTheSecondWarriorMesh)
{
    weaponIndex = 2;
    Frame();
    ASSERT_EQ(character.weaponModel->GetModelName(), "Human");
    bool registered = false;
    for (const TestSupport::RecordedCall& call : initCalls) {
        registered = registered || (call.operation == "RegisterModel" && call.text[1] == "Human" &&
                                    call.text[0] == ".\\resources\\models\\Warrior_Skeleton2.mesh");
    }
    EXPECT_TRUE(registered);
}

}  // namespace
}  // namespace CharacterTest
