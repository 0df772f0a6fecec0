// The per-frame update as the renderer sees it, on the real renderer (offscreen window) seen
// through a recording renderer, with the tweak bar and the input module running; Init loads the
// warrior's generated assets from the working directory (the build directory). Keys are SDL
// events here; real X keys are the camera test's and e2e.Panel's to check.
#include <optional>
#include <string>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <glm/gtc/type_ptr.hpp>

#include "CharacterTestSupport.h"
#include "character/Selectors.h"
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

// The character on the real renderer, seen through the recorder, with its tweak bar and input.
class Update : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        recorder.emplace(*gl.Get());
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        Util::Input::Initialize();
        character.Init(&*recorder, TwNewBar("Tovrin_Stage1"));
    }
    void TearDown() override
    {
        character.Shutdown();
        Util::Input::Shutdown();
        TwTerminate();
    }
    void Frame()
    {
        Util::Input::Update();
        character.Update();
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::optional<TestSupport::RecordingRenderer> recorder;
    PathCharacter character;
};

// Each frame draws a green sphere of radius 3 on every control point, 61 red path lines in the
// world (space 1), then forward, up and right as red, green and blue lines over the scene (space
// 2). The player gets this frame's skinning matrices and stands at its place and heading; the
// weapon rides on bone 36: player world x hand bone x grip offset. A skeleton without that bone
// leaves the weapon at the grip offset from the player's origin.
TEST_F(Update, DrawsThePathAndPlacesThePlayerAndTheSelectedWeapon)
{
    Frame();
    const auto spheres = recorder->Calls("DrawSphere");
    const auto lines = recorder->Calls("DrawLine");
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
}

// Space and C step the clip and weapon selectors once per press, however long the key is held (its
// repeats do not count), wrapping round (clips to "Run", weapons to "Sword"), and the weapon a
// press selects shows from the next frame.
TEST_F(Update, SelectorKeysStepOncePerPressWrapRoundAndTheWeaponShowsFromTheNextFrame)
{
    const auto shown = [&] {
        Frame();
        return std::string(character.weaponModel->GetModelName());
    };
    const auto send = [](Uint32 type, SDL_Scancode key, Uint8 repeat) {
        SDL_Event event{type};
        event.key = SDL_KeyboardEvent{type, 0, 0, type == SDL_KEYDOWN, repeat, 0, 0, SDL_Keysym{key, 0, 0, 0}};
        SDL_PushEvent(&event);
    };
    const struct { SDL_Scancode key; int* selector; int from, to; const char* weapon; } cases[] = {
        {SDL_SCANCODE_SPACE, &clipIndex, 5, 6, "Sword"}, {SDL_SCANCODE_SPACE, &clipIndex, 14, 4, "Sword"},
        {SDL_SCANCODE_C, &weaponIndex, 1, 2, "Human"}, {SDL_SCANCODE_C, &weaponIndex, 3, 0, "Sword"}};
    for (const auto& c : cases) {
        *c.selector = c.from;
        const std::string before = shown();
        send(SDL_KEYDOWN, c.key, 0);
        EXPECT_EQ(shown(), before) << "the weapon changed in the frame of the press";
        EXPECT_EQ(*c.selector, c.to) << "from " << c.from;
        send(SDL_KEYDOWN, c.key, 1);
        EXPECT_EQ(shown(), c.weapon) << "from " << c.from;
        EXPECT_EQ(*c.selector, c.to) << "a held key stepped again, from " << c.from;
        send(SDL_KEYUP, c.key, 0);
        Frame();
    }
}

}  // namespace
}  // namespace CharacterTest
