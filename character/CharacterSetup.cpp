// Set-up and teardown of the walking character: its assets, models, clip states, tweak
// variables, the fixed loop it walks and its place at the start of that loop.
#include <array>

#include <Assets/ResourcePaths.h>
#include <RenderInterface/Renderer.h>

#include "character/PathCharacter.h"
#include "character/Selectors.h"

namespace {

// The loop the character walks, as (x, z); the last point repeats the first to close it.
constexpr std::array<float, 26> LoopPoints{
    -100, 100,  -200, 200,  -300, 100,  -300, -100, -200, -200, -100, -100, 100, -100,
    200,  -200, 300,  -100, 300,  100,  200,  200,  100,  100,  -100, 100,
};

void UnregisterAndDelete(RenderInterface::Renderer* renderer, RenderInterface::Renderable*& object)
{
    if (object) {
        renderer->UnRegister(object);
        delete object;
        object = nullptr;
    }
}

}  // namespace

void PathCharacter::Init(RenderInterface::Renderer* newRenderer, TwBar* bar)
{
    renderer = newRenderer;

    static_assert(Assets::kClipFiles.size() == ClipCount, "one clip file per selector entry");
    for (const Assets::ResourceFile& clip : Assets::kClipFiles) {
        renderer->RegisterAnimation(clip.path, clip.name);
    }
    renderer->RegisterSkeleton(Assets::kSkeletonFile.path, Assets::kSkeletonFile.name);
    renderer->RegisterModel(Assets::kHumanMeshFile.path, Assets::kHumanMeshFile.name);
    renderer->RegisterModel(Assets::kPlayerMeshFile.path, Assets::kPlayerMeshFile.name);

    playerModel = new RenderInterface::AnimationModel();
    renderer->Register(playerModel);
    weaponModel = new RenderInterface::Model3D();
    renderer->Register(weaponModel);

    weaponModel->SetModelName("Sword");
    playerModel->SetModelName("Player");
    playerModel->SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3::unit_y * -10.0f, Math::Quaternion::identity,
                                                   Math::Vector3::one * 0.3f));
    playerModel->SetSkeleton("PlayerSkeleton");

    for (const TwEnumVal& clip : clipEnumValues) {
        auto* state = new RenderInterface::AnimationState();
        state->SetAnimationName(clip.Label);
        animationStates.push_back(state);
    }

    // The record starts with the settings' initial values; the bar edits them in place.
    TwAddVarRW(bar, "DeltaTime", TW_TYPE_FLOAT, &deltaTime, "min = 0 max = 1 step = 0.016");
    TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, "min = 0 max = 300 step = 0.5");
    TwAddVarRW(bar, "Speed_Walk_Start", TW_TYPE_FLOAT, &speedWalkStart, "min = 0 max = 300 step = 0.5");

    for (std::size_t i = 0; i < LoopPoints.size(); i += 2) {
        controlPoints.emplace_back(LoopPoints[i], LoopPoints[i + 1]);
    }
    BuildPath(controlPoints);
    PlaceAtPathStart();
}

void PathCharacter::Shutdown()
{
    RenderInterface::Renderable* player = playerModel;
    RenderInterface::Renderable* weapon = weaponModel;
    UnregisterAndDelete(renderer, player);
    UnregisterAndDelete(renderer, weapon);
    playerModel = nullptr;
    weaponModel = nullptr;

    for (RenderInterface::AnimationState*& state : animationStates) {
        delete state;
        state = nullptr;
    }
}
