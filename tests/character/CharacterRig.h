#pragma once
// A fully set-up character on the real renderer (offscreen window), seen through a recording
// renderer, with its tweak bar and the input module running. Set-up loads the warrior's
// generated assets from the working directory (the build directory) when they are there.
#include <memory>
#include <vector>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

#include "CharacterTestSupport.h"
#include "RigAssets.h"
#include "character/Selectors.h"
#include "util/Input.h"

namespace CharacterTest {

// Init has run on the recorder and the bar; its calls are in initCalls.
class CharacterScene : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl);
        recorder = std::make_unique<TestSupport::RecordingRenderer>(*gl.Get());
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        Util::Input::Initialize();
        weaponIndex = 0;
        clipIndex = 5;
        character.Init(recorder.get(), TwNewBar("Tovrin_Stage1"));
        initCalls.swap(recorder->calls);
    }
    void TearDown() override
    {
        character.Shutdown();
        Util::Input::Shutdown();
        TwTerminate();
    }
    // One frame of the character as the demo runs it: input snapshot, then Update.
    void Frame()
    {
        Util::Input::Update();
        character.Update();
    }

    TestSupport::OffscreenRenderer gl{320, 200};
    std::unique_ptr<TestSupport::RecordingRenderer> recorder;
    std::vector<TestSupport::RecordedCall> initCalls;
    PathCharacter character;
};

}  // namespace CharacterTest
