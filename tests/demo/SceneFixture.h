#pragma once
// An AnimationDemo on the real renderer (offscreen window), seen through a recording renderer.
#include <memory>

#include <gtest/gtest.h>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

#include "demo/AnimationDemo.h"

namespace DemoTest {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        recorder = std::make_unique<TestSupport::RecordingRenderer>(*gl.Get());
    }

    void TearDown() override
    {
        if (initialised && !shutDown) {
            demo.Shutdown();
        }
        TwTerminate();
    }

    void Init(float width = 1400.0f, float height = 800.0f)
    {
        demo.Init(recorder.get(), width, height);
        initialised = true;
    }

    void Shutdown()
    {
        demo.Shutdown();
        shutDown = true;
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::unique_ptr<TestSupport::RecordingRenderer> recorder;
    AnimationDemo demo;
    bool initialised = false;
    bool shutDown = false;
};

}  // namespace DemoTest
