// The per-frame update as the renderer sees it, on the real renderer (offscreen window) seen
// through a recording renderer, with the tweak bar and the input module running; Init loads the
// warrior's generated assets from the working directory (the build directory).
#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <glm/gtc/type_ptr.hpp>

#include "CharacterTestSupport.h"
#include "util/Input.h"

namespace CharacterTest {
namespace {

// The player's world matrix for this frame's place and heading, by glm.
glm::mat4 PlayerWorld(const PathCharacter& c)
{
    return glm::translate(glm::mat4(1.0f), ToGlm(c.position)) * glm::mat4_cast(glm::normalize(ToGlm(c.orientation))) *
           glm::scale(glm::mat4(1.0f), glm::vec3(0.3f));
}

void ExpectNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance)
{
    for (int column = 0; column < 4; ++column) EXPECT_LT(glm::length(actual[column] - expected[column]), tolerance);
}

// Each frame draws a green sphere of radius 3 on every control point, 61 red path lines in the
// world (space 1), then forward, up and right as red, green and blue lines over the scene (space
// 2). The player gets this frame's skinning matrices and stands at its place and heading; the
// weapon rides on bone 36: player world x hand bone x grip offset. A skeleton without that bone
// leaves the weapon at the grip offset from the player's origin.
TEST(Update, DrawsThePathAndPlacesThePlayerAndTheSelectedWeapon)
{
    TestSupport::OffscreenRenderer gl{320, 200};
    ASSERT_TRUE(gl);
    TestSupport::RecordingRenderer recorder(*gl.Get());
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    Util::Input::Initialize();
    PathCharacter character;
    character.Init(&recorder, TwNewBar("Tovrin_Stage1"));
    const auto Frame = [&] {
        Util::Input::Update();
        character.Update();
    };

    Frame();
    const auto spheres = recorder.Calls("DrawSphere");
    const auto lines = recorder.Calls("DrawLine");
    ASSERT_EQ(spheres.size(), 13u);
    ASSERT_EQ(lines.size(), 64u);
    const auto Point = [](const auto& call, int first) { return glm::make_vec3(&call.values[first]); };
    const auto Colour = [](const auto& call, int first) { return glm::make_vec4(&call.values[first]); };
    for (const auto& sphere : spheres) {
        EXPECT_TRUE(sphere.values[3] == 3.0f && Colour(sphere, 4) == glm::vec4(0, 1, 0, 0) && sphere.values[8] == 1.0f);
    }
    EXPECT_EQ(Point(spheres[12], 0), glm::vec3(-100, 0, 100));
    for (std::size_t i = 0; i < 64; ++i) {
        const bool axis = i >= 61;
        const glm::vec4 colour(i <= 61, i == 62, i == 63, 0);
        EXPECT_TRUE(Colour(lines[i], 3) == colour && lines[i].values[14] == (axis ? 2.0f : 1.0f)) << i;
        EXPECT_TRUE(axis || Point(lines[i], 0) == ToGlm(character.curvePoints[i])) << i;
    }
    EXPECT_LT(glm::distance(Point(lines[61], 7), ToGlm(character.position) + 10.0f * FacingOf(character.orientation)),
              1e-4f);

    const glm::mat4 grip = glm::translate(glm::mat4(1.0f), glm::vec3(9.75f, 2.8f, 6.305f));
    for (int frame = 0; frame < 30; ++frame) Frame();
    ExpectNear(ToGlm(character.playerModel->GetWorldMatrix()), PlayerWorld(character), 1e-4f);
    const std::vector<Math::Matrix4>& uploaded = character.playerModel->GetSkinningMatricies();
    ASSERT_TRUE(uploaded.size() == character.skinningMatrices.size() && uploaded.size() > 36);
    EXPECT_EQ(ToGlm(uploaded.back()), ToGlm(character.skinningMatrices.back()));
    const glm::mat4 hand = ToGlm(character.boneTransforms[36]);
    ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld(character) * hand * grip, 1e-3f);
    character.playerModel->SetSkeleton("NoSuchSkeleton");
    Frame();
    ExpectNear(ToGlm(character.weaponModel->GetWorldMatrix()), PlayerWorld(character) * grip, 1e-4f);

    character.Shutdown();
    Util::Input::Shutdown();
    TwTerminate();
}

}  // namespace
}  // namespace CharacterTest
