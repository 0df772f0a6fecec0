#pragma once
// The scene as the renderer sees it: the registered objects, which it does not own, and the
// views, which it does.
#include <memory>
#include <vector>

#include <RenderInterface/SceneObjects.h>

namespace RenderInterface {

class SceneRegistry {
public:
    // Null and already registered objects are ignored.
    void Register(Renderable* object);
    // An object that is not registered is ignored.
    void UnRegister(Renderable* object);
    // Registered objects in registration order.
    const std::vector<Renderable*>& Objects() const { return objects; }
    // The most recently registered object of a type, or null.
    Renderable* Latest(RenderableType type) const;

    CameraView* CreateView(float width, float height, float nearPlane, float farPlane, float fovY);
    // Deletes the view. Null is ignored; a view this registry did not create is reported and ignored.
    void ReleaseView(CameraView* view);
    // The most recently created view still alive, or null.
    CameraView* ActiveView() const;

private:
    std::vector<Renderable*> objects;
    std::vector<std::unique_ptr<CameraView>> views;
};

}  // namespace RenderInterface
