#include <RenderInterface/SceneObjects.h>

namespace RenderInterface {

Renderable::~Renderable() = default;

void Renderable::SetWorldMatrix(const Math::Matrix4& world) { worldMatrix = world; }

void Renderable::SetModelName(const std::string& name) { modelName = name; }

}  // namespace RenderInterface
