#pragma once
// The demo scene: the tweak bar with the clip and weapon selectors, the scene's resources, a sky
// box, a floor, a directional light, the free-fly camera, the walking character and the panel
// that inspects it.
#include <vector>

#include <AntTweakBar.h>

#include "app/Demo.h"
#include "character/PathCharacter.h"
#include "demo/CameraController.h"
#include "demo/WorkingsPanel.h"

namespace RenderInterface {
class Renderable;
class DirectionalLight;
class Model3D;
class SkyBox;
}  // namespace RenderInterface

class AnimationDemo : public Demo {
public:
    // Releases no scene object: Shutdown unregisters and deletes them while the renderer exists.
    ~AnimationDemo() override = default;

    void Init(RenderInterface::Renderer* renderer, float width, float height) override;
    void Update() override;
    void Shutdown() override;

    // Registers the textures and models the scene draws.
    void RegisterSceneResources(RenderInterface::Renderer* renderer);

    RenderInterface::Renderer* renderer = nullptr;  // not owned
    std::vector<RenderInterface::Renderable*> renderables;  // further owned scene objects
    RenderInterface::DirectionalLight* light = nullptr;
    RenderInterface::Model3D* floorModel = nullptr;
    RenderInterface::SkyBox* skyBox = nullptr;
    CameraController camera;
    TwBar* tweakBar = nullptr;
    PathCharacter character;
    WorkingsPanel inspector;  // the second panel; pauses, steps and slows the character
};
