// The demo scene on the real renderer (offscreen window), seen through a recording renderer: the
// objects Init shows and how they are set up, the tweak bar's selectors, and what Shutdown takes
// away again. Which files it registers, and that each loads, the asset tests check.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <TweakBarQuery.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "demo/AnimationDemo.h"

namespace {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        recorder.emplace(*gl.Get());
        demo.Init(&*recorder, 1400.0f, 800.0f);
    }
    void TearDown() override
    {
        demo.Shutdown();  // a second Shutdown touches nothing
        TwTerminate();
    }

    std::vector<RenderInterface::Renderable*> Objects(const char* operation) const
    {
        std::vector<RenderInterface::Renderable*> objects;
        for (const TestSupport::RecordedCall& call : recorder->Calls(operation)) objects.push_back(call.renderable);
        return objects;
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::optional<TestSupport::RecordingRenderer> recorder;
    AnimationDemo demo;
};

// Sky, floor and light are shown first, after the resources they name: the sky with the day cube
// map, the floor cube stretched (checked with glm) so its top is the ground at y = 0, and the light
// travelling along (0, -1, 1), where the day sky has its sun.
TEST_F(SceneTest, InitShowsSkyFloorAndLightSetUpForTheScene)
{
    const std::vector<RenderInterface::Renderable*> objects = Objects("Register");
    ASSERT_GE(objects.size(), 3u);
    EXPECT_TRUE(objects[0] == demo.skyBox && objects[1] == demo.floorModel && objects[2] == demo.light);
    const std::vector<std::string> operations = recorder->Operations();
    const auto shown = std::find(operations.begin(), operations.end(), "Register");
    EXPECT_EQ(std::count(shown, operations.end(), "RegisterTexture"), 0) << recorder->Transcript();
    EXPECT_EQ(demo.skyBox->GetTextureName(), "CubeMap");
    EXPECT_EQ(demo.floorModel->GetModelName(), "floor");
    const glm::mat4 floor = glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0, -10, 0)), glm::vec3(1000, 10, 1000));
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(demo.floorModel->GetWorldMatrix()[i], floor[i % 4][i / 4]) << i;
    EXPECT_EQ(demo.light->GetLightDirection(), Math::Vector3(0, -1, 1)) << "handed over unnormalised";
}

// "Tovrin_Stage1" holds its five entries, all writable (the inspector adds none): the clip and
// weapon selectors first, "Walk" and "Sword" selected; each of their 15 and 4 labels names a clip
// or model the scene registered, for the character plays them.
TEST_F(SceneTest, BarListsTheSelectorsWithWalkAndSwordSelected)
{
    TwBar* bar = TwGetBarByName("Tovrin_Stage1");
    ASSERT_NE(bar, nullptr);
    const std::vector<TwVarInfo> entries = TwGetBarVars(bar);
    std::vector<std::string> names;
    for (const TwVarInfo& entry : entries) {
        names.push_back(entry.name);
        EXPECT_FALSE(entry.readOnly) << entry.name;
    }
    ASSERT_EQ(names, (std::vector<std::string>{"AnimationClips", "WeaponTypes", "DeltaTime", "Speed", "Speed_Walk_Start"}));
    const struct {
        const char *name, *selected, *registration;
        int count;
    } selectors[] = {{"AnimationClips", "Walk", "RegisterAnimation", 15}, {"WeaponTypes", "Sword", "RegisterModel", 4}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(entries[i].name, selectors[i].name);
        const char* label = TwGetEnumLabel(entries[i].type, *static_cast<const int*>(entries[i].var));
        EXPECT_STREQ(label ? label : "", selectors[i].selected);
        std::vector<std::string> names;
        for (const TestSupport::RecordedCall& call : recorder->Calls(selectors[i].registration)) names.push_back(call.text[1]);
        for (int value = 0; value < selectors[i].count; ++value) {
            const char* name = TwGetEnumLabel(entries[i].type, value);
            ASSERT_NE(name, nullptr) << selectors[i].name << " " << value;
            EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
        }
        EXPECT_EQ(TwGetEnumLabel(entries[i].type, selectors[i].count), nullptr);
    }
}

// Shutdown unregisters every object the demo registered (light, sky, floor first), releases its
// view and deletes the bar.
TEST_F(SceneTest, ShutdownUnregistersEverythingAndReleasesTheView)
{
    std::vector<RenderInterface::Renderable*> registered = Objects("Register");
    const std::vector<RenderInterface::Renderable*> sceneOrder = {demo.light, demo.skyBox, demo.floorModel};
    RenderInterface::CameraView* view = demo.camera.view;
    recorder->calls.clear();
    demo.Shutdown();

    std::vector<RenderInterface::Renderable*> unregistered = Objects("UnRegister");
    ASSERT_GE(unregistered.size(), 3u);
    EXPECT_TRUE(std::equal(sceneOrder.begin(), sceneOrder.end(), unregistered.begin())) << recorder->Transcript();
    std::sort(registered.begin(), registered.end());
    std::sort(unregistered.begin(), unregistered.end());
    EXPECT_EQ(unregistered, registered);
    const std::vector<TestSupport::RecordedCall> released = recorder->Calls("ReleaseView");
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].view, view);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
}

}  // namespace
