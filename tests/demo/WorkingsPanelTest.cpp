// The inspector on the real renderer (offscreen window). Properties: it only chooses on which
// refreshes the character takes its frame (paused: none; a step: exactly one; slow motion: every
// n-th), never what a frame does; it never covers the first panel.
#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TweakBarQuery.h>
#include <gtest/gtest.h>

#include "demo/AnimationDemo.h"
#include "util/Input.h"

namespace {

class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        Util::Input::Initialize();
        demo.Init(gl.Get(), 320.0f, 200.0f);
        // A second character on a bar of its own, updated by the test whenever a frame is due.
        reference.Init(gl.Get(), TwNewBar("Reference"));
    }
    void TearDown() override
    {
        reference.Shutdown();
        demo.Shutdown();
        TwTerminate();
        Util::Input::Shutdown();
    }

    // One display refresh of the demo; `due` says whether the character must take a frame in it.
    // Its state must then match the reference's exactly.
    void Refresh(bool due)
    {
        Util::Input::Update();
        demo.Update();
        if (due) reference.Update();
        const PathCharacter& shown = demo.character;
        EXPECT_TRUE(shown.distance == reference.distance && shown.segment == reference.segment &&
                    shown.position == reference.position);
        for (int state : {PathCharacter::RunState, PathCharacter::WalkState}) {
            EXPECT_EQ(shown.animationStates[state]->GetTime(), reference.animationStates[state]->GetTime());
        }
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    AnimationDemo demo;
    PathCharacter reference;
};

TEST_F(InspectorTest, PauseStepAndSlowMotionOnlyChooseWhichRefreshesTakeAFrame)
{
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
}

// Whatever the window's size and whether the inspector is folded, it never covers the first panel
// (whose entries SceneTest checks).
TEST_F(InspectorTest, InspectorNeverCoversTheFirstPanel)
{
    TwBar* first = TwGetBarByName("Tovrin_Stage1");
    TwBar* inspector = TwGetBarByName("Inspector");
    ASSERT_TRUE(first && inspector);

    // Width, height, folded: the first draw measures each panel, the second places it.
    const int sizes[][3] = {{1400, 800, 1}, {700, 400, 1}, {1400, 800, 0}, {900, 700, 0}, {700, 900, 0},
                            {320, 200, 0}};
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
