// The demo scene on the real renderer (offscreen window), seen through a recording renderer. Which
// files it registers, and that each loads, the asset tests check.
#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <TweakBarQuery.h>
#include <gtest/gtest.h>

#include "demo/AnimationDemo.h"
#include "util/Input.h"

namespace {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl);
        Util::Input::Initialize();
        recorder.emplace(*gl.Get());
        demo.Init(&*recorder, 1400.0f, 800.0f);
    }
    void TearDown() override {
        demo.Shutdown();
        TwTerminate();
        Util::Input::Shutdown();
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::optional<TestSupport::RecordingRenderer> recorder;
    AnimationDemo demo;
};

// Sky, floor and light are shown first, after the resources they name (the floor's model and where
// it lies, the end-to-end resize test checks by the horizon), the light travelling along
// (0, -1, 1), where the day sky has its sun. Shutdown unregisters everything (light, sky, floor
// first), releases the view and deletes the bar; a second Shutdown (TearDown's) touches nothing.
TEST_F(SceneTest, InitShowsSkyFloorAndLightShutdownTakesEverythingAway) {
    const auto objects = [&](const char* operation) {
        std::vector<RenderInterface::Renderable*> found;
        for (const TestSupport::RecordedCall& call : recorder->Calls(operation)) found.push_back(call.renderable);
        return found;
    };
    std::vector<RenderInterface::Renderable*> registered = objects("Register");
    ASSERT_GE(registered.size(), 3u);
    EXPECT_TRUE(registered[0] == demo.skyBox && registered[1] == demo.floorModel && registered[2] == demo.light);
    const std::vector<std::string> operations = recorder->Operations();
    const auto shown = std::find(operations.begin(), operations.end(), "Register");
    EXPECT_EQ(std::count(shown, operations.end(), "RegisterTexture"), 0) << recorder->Transcript();
    EXPECT_EQ(demo.skyBox->GetTextureName(), "CubeMap");
    EXPECT_EQ(demo.light->GetLightDirection(), Math::Vector3(0, -1, 1)) << "handed over unnormalised";

    const std::vector<RenderInterface::Renderable*> sceneOrder = {demo.light, demo.skyBox, demo.floorModel};
    RenderInterface::CameraView* view = demo.camera.view;
    recorder->calls.clear();
    demo.Shutdown();
    std::vector<RenderInterface::Renderable*> unregistered = objects("UnRegister");
    ASSERT_GE(unregistered.size(), 3u);
    EXPECT_TRUE(std::equal(sceneOrder.begin(), sceneOrder.end(), unregistered.begin())) << recorder->Transcript();
    std::sort(registered.begin(), registered.end());
    std::sort(unregistered.begin(), unregistered.end());
    EXPECT_EQ(unregistered, registered);
    const std::vector<TestSupport::RecordedCall> released = recorder->Calls("ReleaseView");
    EXPECT_TRUE(released.size() == 1 && released[0].view == view);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
    recorder->calls.clear();
    demo.Shutdown();
    EXPECT_TRUE(recorder->calls.empty()) << recorder->Transcript();
}

// "Tovrin_Stage1" holds its five writable entries: the clip and weapon selectors first, "Walk" and
// "Sword" selected, each of their labels the name of a clip or model the scene registered.
TEST_F(SceneTest, BarListsTheSelectorsWithWalkAndSwordSelected) {
    TwBar* bar = TwGetBarByName("Tovrin_Stage1");
    ASSERT_NE(bar, nullptr);
    const std::vector<TwVarInfo> entries = TwGetBarVars(bar);
    std::string names;
    for (const TwVarInfo& entry : entries) names += entry.name + (entry.readOnly ? " (read-only) " : " ");
    ASSERT_EQ(names, "AnimationClips WeaponTypes DeltaTime Speed Speed_Walk_Start ");
    const std::tuple<const char*, const char*, int> selectors[] = {{"Walk", "RegisterAnimation", 15},
                                                                   {"Sword", "RegisterModel", 4}};
    for (int i = 0; i < 2; ++i) {
        const auto& [selected, registration, count] = selectors[i];
        EXPECT_STREQ(TwGetEnumLabel(entries[i].type, *static_cast<const int*>(entries[i].var)), selected);
        std::vector<std::string> registered;
        for (const TestSupport::RecordedCall& call : recorder->Calls(registration)) registered.push_back(call.text[1]);
        for (int value = 0; value <= count; ++value) {  // each label registered once, none past the last
            const char* label = TwGetEnumLabel(entries[i].type, value);
            EXPECT_EQ(label ? std::count(registered.begin(), registered.end(), label) : 0, value < count) << value;
        }
    }
}

using InspectorTest = SceneTest;

// The inspector only chooses on which refreshes the character takes a frame (paused: none; a step:
// one; slow motion: every n-th): it always matches a second character updated when one is due.
TEST_F(InspectorTest, PauseStepAndSlowMotionOnlyChooseWhichRefreshesTakeAFrame) {
    PathCharacter reference;
    reference.Init(gl.Get(), TwNewBar("Reference"));
    const auto Refresh = [&](bool due) {
        Util::Input::Update();
        demo.Update();
        if (due) reference.Update();
        const PathCharacter& shown = demo.character;
        EXPECT_TRUE(shown.distance == reference.distance && shown.segment == reference.segment &&
                    shown.position == reference.position);
        for (int state : {PathCharacter::RunState, PathCharacter::WalkState})
            EXPECT_EQ(shown.animationStates[state]->GetTime(), reference.animationStates[state]->GetTime());
    };
    for (int i = 0; i < 10; ++i) Refresh(true);
    ASSERT_FALSE(demo.character.boneTransforms.empty()) << "no warrior: run in the build directory";
    FrameGate& gate = demo.inspector.gate;
    gate.paused = true;
    for (int i = 0; i < 5; ++i) Refresh(false);
    gate.RequestStep();
    Refresh(true);
    Refresh(false);
    gate.paused = false;
    gate.slowMotion = true;
    gate.slowEvery = 3;
    for (int i = 1; i <= 9; ++i) Refresh(i % 3 == 0);
    reference.Shutdown();
}

// Whatever the window's size and whether the inspector is folded, it never covers the first panel.
TEST_F(InspectorTest, InspectorNeverCoversTheFirstPanel) {
    TwBar* first = TwGetBarByName("Tovrin_Stage1");
    TwBar* inspector = TwGetBarByName("Inspector");
    ASSERT_TRUE(first && inspector);
    // Width, height, folded: the first draw measures each panel, the second places it.
    const int sizes[][3] = {{1400, 800, 1}, {700, 400, 1}, {1400, 800, 0}, {900, 700, 0}, {700, 900, 0}, {320, 200, 0}};
    for (const auto& size : sizes) {
        TwWindowSize(size[0], size[1]);
        TwSetParam(inspector, nullptr, "iconified", TW_PARAM_INT32, 1, &size[2]);
        TwDraw();
        TwDraw();
        const TwRect a = TwGetBarRect(first), b = TwGetBarRect(inspector);
        EXPECT_TRUE(a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y)
            << size[0] << " x " << size[1];
    }
}

}  // namespace
