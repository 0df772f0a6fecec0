#include "demo/AnimationDemo.h"

#include <cstdio>
#include <filesystem>

#include <Assets/ResourcePaths.h>
#include <RenderInterface/Renderer.h>

#include "character/Selectors.h"

namespace {

// Unregisters an owned scene object and deletes it; a null slot is skipped.
template <typename T>
void UnregisterAndDelete(RenderInterface::Renderer* renderer, T*& object)
{
    if (object) {
        renderer->UnRegister(object);
        delete object;
        object = nullptr;
    }
}

// Resource paths are relative to the working directory. Started from elsewhere, every file is
// missing; after those lines, one more says where the folder was looked for and where to start.
void ReportMissingResourceFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute("resources", error);
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr,
                     "Vantor: looked for the resources in %s, which is not a folder; the demo runs from the folder "
                     "that holds resources/ (the build folder, where scripts/run starts it)\n",
                     folder.c_str());
    }
}

}  // namespace

void AnimationDemo::Init(RenderInterface::Renderer* newRenderer, float width, float height)
{
    if (!newRenderer) {
        std::fprintf(stderr, "AnimationDemo: no renderer; the scene stays empty\n");
        return;
    }
    renderer = newRenderer;

    // The renderer draws with OpenGL, so the bar is started on its OpenGL core context.
    TwInit(TW_OPENGL_CORE, renderer->GetDevice());
    TwWindowSize(static_cast<int>(width), static_cast<int>(height));
    tweakBar = TwNewBar("Tovrin_Stage1");
    clipEnumType = TwDefineEnum("AnimationClips", clipEnumValues.data(), ClipCount);
    weaponEnumType = TwDefineEnum("WeaponTypes", weaponEnumValues.data(), WeaponCount);
    TwAddVarRW(tweakBar, "AnimationClips", clipEnumType, &clipIndex, nullptr);
    TwAddVarRW(tweakBar, "WeaponTypes", weaponEnumType, &weaponIndex, nullptr);

    camera.Init(renderer, width, height);

    RegisterSceneResources(renderer);

    skyBox = new RenderInterface::SkyBox();
    renderer->Register(skyBox);

    floorModel = new RenderInterface::Model3D();
    renderer->Register(floorModel);
    floorModel->SetModelName("floor");
    floorModel->SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0.0f, -10.0f, 0.0f), Math::Quaternion::identity,
                                                  Math::Vector3(1000.0f, 10.0f, 1000.0f)));

    skyBox->SetTextureName("CubeMap");

    light = new RenderInterface::DirectionalLight();
    renderer->Register(light);
    light->SetColor(Math::Vector3::one);
    // Slanting down and towards +z; the renderer normalises it.
    light->SetLightDirection(Math::Vector3::unit_z - Math::Vector3::unit_y);
    light->SetStrength(3.0f);

    character.Init(renderer, tweakBar);
    ReportMissingResourceFolder();
    inspector.Init(character);
}

void AnimationDemo::RegisterSceneResources(RenderInterface::Renderer* target)
{
    for (const Assets::ResourceFile& sky : {Assets::kDaySkyFile, Assets::kCitySkyFile}) {
        target->RegisterTexture(sky.path, sky.name);
    }
    for (const Assets::ResourceFile& model :
         {Assets::kSwordFile, Assets::kShieldFile, Assets::kGunFile, Assets::kFloorFile}) {
        target->RegisterModel(model.path, model.name);
    }
}

void AnimationDemo::Update()
{
    if (!renderer) {
        return;
    }
    camera.Update();
    // The camera flies on every refresh; the character only when the inspector lets it, and
    // otherwise is shown again exactly as it stands.
    const bool advance = inspector.gate.Advance();
    if (advance) {
        character.Update();
    } else {
        character.DrawPath();
        character.DrawAxes();
        character.ShowFrame();
    }
    inspector.Observe(advance);
}

void AnimationDemo::Shutdown()
{
    if (!renderer) {
        return;
    }
    TwDeleteBar(tweakBar);
    tweakBar = nullptr;
    inspector.Shutdown();

    for (RenderInterface::Renderable*& object : renderables) {
        UnregisterAndDelete(renderer, object);
    }
    UnregisterAndDelete(renderer, light);
    UnregisterAndDelete(renderer, skyBox);
    UnregisterAndDelete(renderer, floorModel);

    camera.renderer->ReleaseView(camera.view);
    camera.view = nullptr;

    character.Shutdown();
    // Leaves the demo inert: a stray Update or a second Shutdown touches nothing released.
    renderer = nullptr;
}
