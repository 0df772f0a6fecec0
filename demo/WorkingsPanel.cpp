#include "demo/WorkingsPanel.h"

#include <RenderInterface/Renderer.h>

#include "character/LocomotionBlend.h"
#include "character/PathCharacter.h"
#include "character/SpeedProfile.h"

namespace {

const TwEnumVal PhaseLabels[] = {{static_cast<int>(BlendPhase::EaseIn), "ease-in"},
                                 {static_cast<int>(BlendPhase::Cruise), "cruise"},
                                 {static_cast<int>(BlendPhase::EaseOut), "ease-out"}};

// Bright yellow, apart from the path's red and the axes' red, green and blue.
const Math::Vector4 BoneColour(1.0f, 0.9f, 0.1f, 1.0f);

}  // namespace

void WorkingsPanel::Init(PathCharacter& observed)
{
    character = &observed;
    const std::string skeleton = character->playerModel->GetSkeletonName();
    using RenderInterface::AnimationController;
    boneParents.clear();
    for (int bone = 0; bone < AnimationController::GetBoneCount(skeleton); ++bone) {
        boneParents.push_back(AnimationController::GetBoneParent(skeleton, bone));
    }
    feet.SetToes(AnimationController::FindBone(skeleton, "LeftToe"),
                 AnimationController::FindBone(skeleton, "RightToe"));

    for (int i = 0; i < CurveSamples; ++i) {
        const float fraction = static_cast<float>(i) / (CurveSamples - 1);
        speedCurve[i] = SpeedProfile(fraction, character->easeInEnd, character->easeOutStart);
        blendCurve[i] =
            ChooseLocomotionBlend(fraction, speedCurve[i], character->easeInEnd, character->easeOutStart).weight;
    }

    bar = TwNewBar("Inspector");
    // Opens folded to its title bar: a click on the title shows it.
    const int iconified = 1;
    TwSetParam(bar, nullptr, "iconified", TW_PARAM_INT32, 1, &iconified);
    AddControls();
    AddValues();
}

void WorkingsPanel::AddControls()
{
    TwAddVarRW(bar, "Show skeleton", TW_TYPE_BOOLCPP, &showSkeleton, nullptr);
    TwAddVarRW(bar, "Show mesh", TW_TYPE_BOOLCPP, &showMesh, nullptr);
    TwAddVarRW(bar, "Pause", TW_TYPE_BOOLCPP, &gate.paused, nullptr);
    TwAddButton(
        bar, "Step one frame", [](void* gate) { static_cast<FrameGate*>(gate)->RequestStep(); }, &gate, nullptr);
    TwAddVarRW(bar, "Slow motion", TW_TYPE_BOOLCPP, &gate.slowMotion, nullptr);
    TwAddVarRW(bar, "Slow: 1 frame in", TW_TYPE_INT32, &gate.slowEvery, "min = 2 max = 30 step = 1");
}

void WorkingsPanel::AddValues()
{
    const TwType phaseType = TwDefineEnum("LocomotionPhase", PhaseLabels, 3);
    TwAddVarRO(bar, "Lap fraction", TW_TYPE_FLOAT, &lapFraction, nullptr);
    TwAddVarRO(bar, "Speed factor", TW_TYPE_FLOAT, &character->speedFactor, nullptr);
    TwAddVarRO(bar, "Phase", phaseType, &phase, nullptr);
    TwAddVarRO(bar, "Blend weight", TW_TYPE_FLOAT, &character->blend.weight, nullptr);
    TwAddVarRO(bar, "Walk clip time", TW_TYPE_FLOAT, &walkTime, nullptr);
    TwAddVarRO(bar, "Run clip time", TW_TYPE_FLOAT, &runTime, nullptr);
    TwAddVarRO(bar, "Sample segment", TW_TYPE_INT32, &character->segment, nullptr);
    TwAddVarRO(bar, "Foot slide, last step", TW_TYPE_FLOAT, &footSlide, nullptr);
    TwAddPlotExt(bar, "Speed factor / lap", speedCurve.data(), CurveSamples, &lapFraction, "min = 0 max = 1.2");
    TwAddPlotExt(bar, "Blend weight / lap", blendCurve.data(), CurveSamples, &lapFraction, "min = 0 max = 1");
}

void WorkingsPanel::Observe(bool advanced)
{
    if (!character) {
        return;
    }
    ShowMesh();
    if (advanced) {
        feet.Observe(character->playerModel->GetWorldMatrix(), character->boneTransforms,
                     character->blend.phase == BlendPhase::Cruise);
    }
    if (showSkeleton) {
        DrawSkeleton();
    }
    // Without a path there is no lap to measure against.
    lapFraction = character->pathLength > 0.0f ? character->distance / character->pathLength : 0.0f;
    phase = static_cast<int>(character->blend.phase);
    walkTime = character->animationStates[PathCharacter::WalkState]->GetTime();
    runTime = character->animationStates[PathCharacter::RunState]->GetTime();
    footSlide = feet.LastStep();
}

// A hidden mesh is taken out of the scene; showing it again puts it back.
void WorkingsPanel::ShowMesh()
{
    if (showMesh == meshShown) {
        return;
    }
    if (showMesh) {
        character->renderer->Register(character->playerModel);
    } else {
        character->renderer->UnRegister(character->playerModel);
    }
    meshShown = showMesh;
}

// One line from each bone's parent joint to its own joint, over the scene.
void WorkingsPanel::DrawSkeleton()
{
    const std::vector<Math::Matrix4>& bones = character->boneTransforms;
    if (bones.size() != boneParents.size()) {
        return;
    }
    const Math::Matrix4& world = character->playerModel->GetWorldMatrix();
    for (std::size_t bone = 0; bone < bones.size(); ++bone) {
        const int parent = boneParents[bone];
        if (parent < 0) {
            continue;
        }
        character->renderer->DrawLine((world * bones[static_cast<std::size_t>(parent)]).Column(3), BoneColour,
                                      (world * bones[bone]).Column(3), BoneColour,
                                      RenderInterface::DebugRenderSpace::Overlay);
    }
}

void WorkingsPanel::Shutdown()
{
    if (bar) {
        TwDeleteBar(bar);
        bar = nullptr;
    }
    character = nullptr;
}
