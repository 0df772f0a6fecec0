// After Init the renderer holds the scene's resources and objects, in order and with their values,
// and the tweak bar shows the two selectors.
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <TweakBarQuery.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "SceneFixture.h"

namespace DemoTest {
namespace {

using Registration = std::tuple<std::string, std::string, std::string>;

TEST_F(SceneTest, StartsTheBarAndCameraThenRegistersResourcesThenObjects)
{
    Init();
    const std::vector<std::string> expected = {"GetDevice",     "CreateView",    "RegisterTexture", "RegisterTexture",
                                               "RegisterModel", "RegisterModel", "RegisterModel",   "RegisterModel",
                                               "Register",      "Register",      "Register"};
    std::vector<std::string> operations = recorder->Operations();
    ASSERT_GE(operations.size(), expected.size()) << recorder->Transcript();
    operations.resize(expected.size());
    EXPECT_EQ(operations, expected) << recorder->Transcript();
}

TEST_F(SceneTest, RegistersTexturesAndModelsUnderTheirNames)
{
    Init();
    std::vector<Registration> registered;
    for (const TestSupport::RecordedCall& call : recorder->calls) {
        if (call.operation == "RegisterTexture" || call.operation == "RegisterModel") {
            registered.emplace_back(call.operation, call.text[0], call.text[1]);
        }
    }
    const std::vector<Registration> expected = {
        {"RegisterTexture", ".\\resources\\textures\\CubeMap.dds", "CubeMap"},
        {"RegisterTexture", ".\\resources\\textures\\CitySkybox.dds", "CubeMap2"},
        {"RegisterModel", ".\\resources\\models\\Sword.mesh", "Sword"},
        {"RegisterModel", ".\\resources\\models\\Shield.mesh", "Shield"},
        {"RegisterModel", ".\\resources\\models\\Cerberus.mesh", "Gun"},
        {"RegisterModel", ".\\resources\\models\\default\\Cube.mesh", "floor"},
    };
    ASSERT_GE(registered.size(), expected.size());
    registered.resize(expected.size());
    EXPECT_EQ(registered, expected);
}

TEST_F(SceneTest, RegistersSkyFloorAndLightConfiguredAsTheSceneNeeds)
{
    Init();
    const std::vector<TestSupport::RecordedCall> objects = recorder->Calls("Register");
    ASSERT_GE(objects.size(), 3u);
    EXPECT_EQ(objects[0].renderable, demo.skyBox);
    EXPECT_EQ(objects[1].renderable, demo.floorModel);
    EXPECT_EQ(objects[2].renderable, demo.light);

    EXPECT_EQ(demo.skyBox->GetTextureName(), "CubeMap");

    EXPECT_EQ(demo.floorModel->GetModelName(), "floor");
    const glm::mat4 floor =
        glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0, -10, 0)), glm::vec3(1000, 10, 1000));
    const Math::Matrix4& world = demo.floorModel->GetWorldMatrix();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_FLOAT_EQ(world[row * 4 + column], floor[column][row]) << row << ", " << column;
        }
    }

    EXPECT_EQ(demo.light->GetColor(), Math::Vector3(1, 1, 1));
    EXPECT_EQ(demo.light->GetLightDirection(), Math::Vector3(0, -1, 1)) << "handed over unnormalised";
    EXPECT_EQ(demo.light->GetStrength(), 3.0f);
}

TEST_F(SceneTest, CreatesThePerspectiveViewForTheWindowSize)
{
    Init();
    const std::vector<TestSupport::RecordedCall> views = recorder->Calls("CreateView");
    ASSERT_EQ(views.size(), 1u);
    EXPECT_EQ(views[0].values, (std::vector<float>{1400.0f, 800.0f, 0.1f, 10000.0f, 0.7853982f}));
    EXPECT_EQ(views[0].view, demo.camera.view);
}

TEST_F(SceneTest, BarListsTheSelectorsFirstWithWalkAndSwordSelected)
{
    Init();
    TwBar* bar = TwGetBarByName("Tovrin_Stage1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, demo.tweakBar);
    const std::vector<TwVarInfo> entries = TwGetBarVars(bar);
    ASSERT_GE(entries.size(), 2u);

    const char* expectedNames[] = {"AnimationClips", "WeaponTypes"};
    const char* expectedLabels[] = {"Walk", "Sword"};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(entries[i].name, expectedNames[i]);
        const char* label = TwGetEnumLabel(entries[i].type, *static_cast<const int*>(entries[i].var));
        ASSERT_NE(label, nullptr) << entries[i].name;
        EXPECT_STREQ(label, expectedLabels[i]);
    }
}

// The character names its clips and its weapon model by these labels, so each must be the name of
// something the scene registered: 15 clips and 4 weapon models.
TEST_F(SceneTest, SelectorLabelsNameRegisteredResources)
{
    Init();
    const std::vector<TwVarInfo> entries = TwGetBarVars(demo.tweakBar);
    ASSERT_GE(entries.size(), 2u);
    const struct {
        const TwVarInfo& entry;
        const char* registration;
        int count;
    } selectors[] = {{entries[0], "RegisterAnimation", 15}, {entries[1], "RegisterModel", 4}};

    for (const auto& selector : selectors) {
        std::set<std::string> names;
        for (const TestSupport::RecordedCall& call : recorder->Calls(selector.registration)) {
            names.insert(call.text[1]);
        }
        for (int value = 0; value < selector.count; ++value) {
            const char* label = TwGetEnumLabel(selector.entry.type, value);
            ASSERT_NE(label, nullptr) << selector.entry.name << " " << value;
            EXPECT_EQ(names.count(label), 1u) << label << " is not a " << selector.registration << " name";
        }
        EXPECT_EQ(TwGetEnumLabel(selector.entry.type, selector.count), nullptr) << selector.entry.name;
    }
}

TEST_F(SceneTest, BarWindowSizeIsTheInitSizeTruncated)
{
    Init(1400.9f, 800.5f);
    int width = 0;
    int height = 0;
    TwGetWindowSize(&width, &height);
    EXPECT_EQ(width, 1400);
    EXPECT_EQ(height, 800);
}

}  // namespace
}  // namespace DemoTest
