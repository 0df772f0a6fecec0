#pragma once
#include <string>
#include <vector>

#include <Math/Math.h>

namespace RenderInterface {

// What kind of object a Renderable is; the renderer sorts registered objects into passes by it.
enum class RenderableType { SkyBox, StaticModel, AnimatedModel, DirectionalLight };

// Base of every object the scene draws. The caller creates it with new, registers it with the
// renderer's SceneFactory, and at the end unregisters it and deletes it.
class Renderable {
public:
    virtual ~Renderable();
    virtual RenderableType GetType() const = 0;
    virtual void SetWorldMatrix(const Math::Matrix4& world);
    // Name of a model given to RegisterModel; models draw the mesh registered under it.
    virtual void SetModelName(const std::string& name);

    const Math::Matrix4& GetWorldMatrix() const { return worldMatrix; }
    const std::string& GetModelName() const { return modelName; }

private:
    Math::Matrix4 worldMatrix;
    std::string modelName;
};

// The sky: a cube map drawn behind everything.
class SkyBox : public Renderable {
public:
    RenderableType GetType() const override { return RenderableType::SkyBox; }
    void SetTextureName(const char* name) { textureName = name ? name : ""; }
    const std::string& GetTextureName() const { return textureName; }

private:
    std::string textureName;
};

class Model : public Renderable {};

// A static mesh placed by its world matrix.
class Model3D : public Model {
public:
    RenderableType GetType() const override { return RenderableType::StaticModel; }
};

// A skinned mesh: the renderer deforms it on the GPU with the skinning matrices given each frame.
class AnimationModel : public Model {
public:
    RenderableType GetType() const override { return RenderableType::AnimatedModel; }
    void SetSkeleton(const std::string& name) { skeletonName = name; }
    std::string GetSkeletonName() const { return skeletonName; }
    // The same without a copy, for per-frame use.
    const std::string& SkeletonName() const { return skeletonName; }
    // One matrix per bone: model-space bone matrix times the bone's inverse bind matrix.
    void SetSkinningMatricies(const std::vector<Math::Matrix4>& matrices) { skinningMatrices = matrices; }
    const std::vector<Math::Matrix4>& GetSkinningMatricies() const { return skinningMatrices; }

private:
    std::string skeletonName;
    std::vector<Math::Matrix4> skinningMatrices;
};

class Light : public Renderable {
public:
    void SetColor(const Math::Vector3& rgb) { color = rgb; }
    void SetStrength(float value) { strength = value; }
    const Math::Vector3& GetColor() const { return color; }
    float GetStrength() const { return strength; }

private:
    Math::Vector3 color = Math::Vector3(1.0f, 1.0f, 1.0f);
    float strength = 1.0f;
};

// Light from infinitely far away. The direction is the way the light travels (from the light
// towards the scene); it need not be normalised.
class DirectionalLight : public Light {
public:
    RenderableType GetType() const override { return RenderableType::DirectionalLight; }
    void SetLightDirection(const Math::Vector3& direction) { lightDirection = direction; }
    const Math::Vector3& GetLightDirection() const { return lightDirection; }

private:
    Math::Vector3 lightDirection = Math::Vector3(0.0f, -1.0f, 0.0f);
};

// Where the viewer stands and looks. Forward and up need not be normalised or orthogonal;
// the renderer builds an orthonormal frame from them.
class Camera {
public:
    void SetPosition(const Math::Vector3& p) { position = p; }
    void SetForward(const Math::Vector3& f) { forward = f; }
    void SetUp(const Math::Vector3& u) { up = u; }
    const Math::Vector3& GetPosition() const { return position; }
    const Math::Vector3& GetForward() const { return forward; }
    const Math::Vector3& GetUp() const { return up; }

private:
    Math::Vector3 position;
    Math::Vector3 forward = Math::Vector3(0.0f, 0.0f, -1.0f);
    Math::Vector3 up = Math::Vector3(0.0f, 1.0f, 0.0f);
};

// A perspective view created by Scene::CreateView. The aspect ratio comes from the current
// render-target size each frame, so a resized window keeps an undistorted picture; width and
// height record the size the view was created for.
struct CameraView {
    Camera camera;
    float width = 0.0f;
    float height = 0.0f;
    float nearPlane = 0.1f;
    float farPlane = 1000.0f;
    float fovY = 0.7853982f;  // vertical field of view in radians

    Camera& GetCamera() { return camera; }
};

}  // namespace RenderInterface
