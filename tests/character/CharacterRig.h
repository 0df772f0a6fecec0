#pragma once
// A fully set-up character on the real renderer (offscreen window), seen through a recording
// renderer, with its tweak bar and the input module running. Set-up loads the warrior's
// generated assets from the working directory (the build directory) when they are there.
//
// For exact pose checks the rig can swap in a small skeleton and two clips of its own whose
// poses are known in closed form:
//   RigSkeleton  40 bones in a chain; bone 0 at the origin, every other bone 1 unit above its
//                parent, and bone 36 also turned a quarter turn about z.
//   RigWalk      bone 0 at (0, 5 t, 0) at clip time t in [0, 1]; duration 1.
//   RigRun       bone 0 at (10, 5 t, 0); duration 1.
// So the root's x is 10 times Run's share of the blend, and its y is 5 times the blended time.
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <glm/glm.hpp>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

#include "CharacterTestSupport.h"
#include "character/PathCharacter.h"

namespace CharacterTest {

constexpr float RigClipDuration = 1.0f;
constexpr float RigRunX = 10.0f;
constexpr float RigRiseRate = 5.0f;

// Model matrix of RigSkeleton's bone 36 for the root at `root`, computed from the description.
glm::mat4 RigHandBone(const glm::vec3& root);

class CharacterScene : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Init on the recorder and the bar; its calls move to initCalls.
    void InitCharacter();
    // Registers the rig's skeleton and clips and gives them to the character: the Run and Walk
    // states play RigRun and RigWalk from time 0.
    void UseRigAssets();
    // One frame of the character as the demo runs it: input snapshot, then Update.
    void Frame();

    TestSupport::OffscreenRenderer gl{320, 200};
    std::unique_ptr<TestSupport::RecordingRenderer> recorder;
    std::vector<TestSupport::RecordedCall> initCalls;
    TwBar* bar = nullptr;
    PathCharacter character;
    bool initialised = false;
    bool shutDown = false;
};

}  // namespace CharacterTest
