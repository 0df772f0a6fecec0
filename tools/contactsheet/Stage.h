#pragma once
// The scene the contact sheet photographs: the demo's sky, floor and light, the warrior with a
// weapon in its hand placed as the app places it, and single models on their own.
#include <string>
#include <vector>

#include <Math/Math.h>
#include <RenderInterface/Renderer.h>

namespace ContactSheet {

class Stage {
public:
    // Creates the scene objects; nothing is shown until a Show call.
    explicit Stage(RenderInterface::Renderer& renderer);
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // Registers every resource below `root` under the names the app uses. False, with the first
    // file that failed in `error`, if any could not be used.
    bool LoadResources(const std::string& root, std::string& error);

    // Hides everything but the light.
    void Clear();
    void ShowSky(const char* textureName);
    void ShowFloor();
    // The warrior at `world` posed by `clip` at `time` (no clip: the bind pose), holding `weapon`
    // (a registered model name, or none).
    void ShowWarrior(const Math::Matrix4& world, const char* clip, float time, const char* weapon);
    // A registered model on its own.
    void ShowModel(const char* name, const Math::Matrix4& world);
    // World position of a bone of the warrior as last posed.
    Math::Vector3 BonePosition(int bone) const;

    void Look(const Math::Vector3& eye, const Math::Vector3& target, float fovY);

private:
    RenderInterface::Renderer& renderer;
    RenderInterface::SkyBox sky;
    RenderInterface::Model3D floor;
    RenderInterface::DirectionalLight light;
    RenderInterface::AnimationModel warrior;
    RenderInterface::Model3D weapon;
    RenderInterface::Model3D prop;
    RenderInterface::CameraView* view = nullptr;
    std::vector<Math::VQS> localPoses;
    std::vector<Math::Matrix4> boneTransforms;
    std::vector<Math::Matrix4> skinningMatrices;
    Math::Matrix4 warriorWorld;
};

}  // namespace ContactSheet
