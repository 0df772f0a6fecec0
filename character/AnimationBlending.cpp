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

LocomotionBlend ChooseLocomotionBlend(float fraction, float speedFactor, float easeInEnd, float easeOutStart)
{
    const float limited = std::min(speedFactor, 1.0f);
    if (fraction < easeInEnd) {
        return {BlendPhase::EaseIn, limited};
    }
    if (fraction >= easeOutStart) {
        return {BlendPhase::EaseOut, 1.0f - limited};
    }
    return {BlendPhase::Cruise, 0.0f};
}

void PathCharacter::BlendAnimations(float t, float easeInStop, float easeOutBegin)
{
    // A character that was never set up has no clips to blend.
    if (!playerModel || static_cast<int>(animationStates.size()) <= WalkState || !animationStates[RunState] ||
        !animationStates[WalkState]) {
        return;
    }
    RenderInterface::AnimationState* run = animationStates[RunState];
    RenderInterface::AnimationState* walk = animationStates[WalkState];

    blend = ChooseLocomotionBlend(t, speedFactor, easeInStop, easeOutBegin);
    RenderInterface::AnimationState* first = blend.phase == BlendPhase::EaseIn ? walk : run;
    RenderInterface::AnimationState* second = nullptr;
    if (blend.phase == BlendPhase::EaseIn) {
        second = run;
    } else if (blend.phase == BlendPhase::EaseOut) {
        second = walk;
    }

    const float clockStep = deltaTime * speedFactor;
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
        AnimationController::LerpBlend1D(playerModel->GetSkeletonName(), blend.weight, first, second, localPoses);
    } else {
        AnimationController::LerpBlend(playerModel->GetSkeletonName(), first, localPoses);
    }
    AnimationController::BuildTransformationMatricies(playerModel->GetSkeletonName(), localPoses, boneTransforms,
                                                      skinningMatrices);
}
