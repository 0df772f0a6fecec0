// The frame loop with the real renderer behind a recorder: what one frame does and in which
// order, and how the loop ends.
#include <string>
#include <vector>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <gtest/gtest.h>

#include "app/Demo.h"
#include "app/FrameLoop.h"
#include "tests/shell/ShellTestSupport.h"
#include "util/Input.h"
#include "util/Window.h"

namespace {

// A demo that notes what it saw at each update and can raise events from inside a frame.
class ProbeDemo : public Demo {
public:
    explicit ProbeDemo(const TestSupport::RecordingRenderer& renderer) : renderer(renderer) {}
    void Init(RenderInterface::Renderer*, float, float) override {}
    void Shutdown() override {}
    void Update() override {
        ++updates;
        rendererCallsAtUpdate.push_back(renderer.Operations());
        mouseDeltaAtUpdate.push_back(Util::Input::GetMouseDeltaX());
        if (updates == closeOnUpdate) ShellTest::PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        if (updates == quitOnUpdate) ShellTest::PushEvent(SDL_QUIT);
    }

    int updates = 0;
    int closeOnUpdate = -1;
    int quitOnUpdate = -1;
    std::vector<std::vector<std::string>> rendererCallsAtUpdate;
    std::vector<int> mouseDeltaAtUpdate;

private:
    const TestSupport::RecordingRenderer& renderer;
};

}  // namespace

class FrameLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl);
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        Util::Input::Initialize();
        gRenderer = &recorder;
    }
    void TearDown() override {
        gRenderer = nullptr;
        Util::Input::Shutdown();
        TwTerminate();
    }

    using Operations = std::vector<std::string>;

    TestSupport::OffscreenRenderer gl{96, 64};
    TestSupport::RecordingRenderer recorder{*gl.Get()};
    ProbeDemo demo{recorder};
};

// A frame takes the input snapshot before the demo's update, and renders and presents after it,
// once each.
TEST_F(FrameLoop, FrameUpdatesInputThenDemoThenRendersAndPresents) {
    Util::Input::Update();
    ShellTest::PushEvent(SDL_MOUSEMOTION, 6, 0);  // last frame's motion, cleared by this frame's snapshot

    RunFrame(demo);

    ASSERT_EQ(demo.updates, 1);
    EXPECT_EQ(demo.mouseDeltaAtUpdate[0], 0);
    EXPECT_TRUE(demo.rendererCallsAtUpdate[0].empty());
    EXPECT_EQ(recorder.Operations(), (Operations{"Render", "Present"}));
}

// A quit request raised during a frame lets that frame finish and ends the loop before the next
// one; closing a window earlier does not by itself end it.
TEST_F(FrameLoop, QuitDuringAFrameEndsTheLoopAfterThatFrameAndCloseAloneDoesNot) {
    demo.closeOnUpdate = 1;
    demo.quitOnUpdate = 3;
    RunFrameLoop(demo);
    EXPECT_EQ(demo.updates, 3);
    EXPECT_EQ(recorder.Operations(), (Operations{"Render", "Present", "Render", "Present", "Render", "Present"}));
}
