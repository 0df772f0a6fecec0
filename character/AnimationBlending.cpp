// The character's pose: Walk blending toward Run while it speeds up at the start of a lap, Run
// alone while it cruises, Run blending back toward Walk while it slows before the end. Both
// clocks run at the clip rate scaled by the speed factor, so the legs slow down with the body,
// and the blend weight follows the same factor so the pose is continuous between the phases.
#include <algorithm>

#include <RenderInterface/Renderer.h>

#include "character/PathCharacter.h"

namespace {

void AdvanceClock(RenderInterface::AnimationState& state, float step)
{
    state.SetTime(state.GetTime() + step);
}

// A clip that has run past its end starts again, before this frame's pose is sampled.
void RestartAtEnd(RenderInterface::AnimationState& state)
{
    if (state.GetEndFlag()) {
        state.SetTime(0.0f);
    }
}

}  // namespace

void PathCharacter::BlendAnimations(float t, float easeInStop, float easeOutBegin)
{
    // A character that was never set up has no clips to blend.
    if (!playerModel || static_cast<int>(animationStates.size()) <= WalkState || !animationStates[RunState] ||
        !animationStates[WalkState]) {
        return;
    }
    RenderInterface::AnimationState* run = animationStates[RunState];
    RenderInterface::AnimationState* walk = animationStates[WalkState];

    const float s = speedFactor;
    const float limited = std::min(s, 1.0f);
    RenderInterface::AnimationState* first = run;
    RenderInterface::AnimationState* second = nullptr;
    float weight = 0.0f;
    if (t < easeInStop) {
        first = walk;
        second = run;
        weight = limited;
    } else if (t >= easeOutBegin) {
        second = walk;
        weight = 1.0f - limited;
    }

    const float clockStep = deltaTime * s;
    AdvanceClock(*first, clockStep);
    if (second) {
        AdvanceClock(*second, clockStep);
    }
    RestartAtEnd(*first);
    if (second) {
        RestartAtEnd(*second);
    }

    using RenderInterface::AnimationController;
    if (second) {
        AnimationController::LerpBlend1D(playerModel->GetSkeletonName(), weight, first, second, localPoses);
    } else {
        AnimationController::LerpBlend(playerModel->GetSkeletonName(), first, localPoses);
    }
    AnimationController::BuildTransformationMatricies(playerModel->GetSkeletonName(), localPoses, boneTransforms,
                                                      skinningMatrices);
}
