#include "SceneRegistry.h"

#include <algorithm>
#include <cstdio>

#include "FrameView.h"

namespace RenderInterface {

void SceneRegistry::Register(Renderable* object) {
    if (object == nullptr || std::find(objects.begin(), objects.end(), object) != objects.end()) return;
    objects.push_back(object);
}

void SceneRegistry::UnRegister(Renderable* object) {
    const auto found = std::find(objects.begin(), objects.end(), object);
    if (found != objects.end()) objects.erase(found);
}

Renderable* SceneRegistry::Latest(RenderableType type) const {
    const auto found = std::find_if(objects.rbegin(), objects.rend(),
                                    [type](const Renderable* object) { return object->GetType() == type; });
    return found == objects.rend() ? nullptr : *found;
}

CameraView* SceneRegistry::CreateView(float width, float height, float nearPlane, float farPlane, float fovY) {
    if (!IsUsableProjection(nearPlane, farPlane, fovY)) {
        std::fprintf(stderr,
                     "Renderer: CreateView got near %g, far %g, fovY %g; the view draws with near 0.1, far 1000, "
                     "fovY pi/4 until they are valid\n",
                     nearPlane, farPlane, fovY);
    }
    auto view = std::make_unique<CameraView>();
    view->width = width;
    view->height = height;
    view->nearPlane = nearPlane;
    view->farPlane = farPlane;
    view->fovY = fovY;
    views.push_back(std::move(view));
    return views.back().get();
}

void SceneRegistry::ReleaseView(CameraView* view) {
    if (view == nullptr) return;
    const auto found = std::find_if(views.begin(), views.end(),
                                    [view](const std::unique_ptr<CameraView>& owned) { return owned.get() == view; });
    if (found == views.end()) {
        std::fprintf(stderr, "Renderer: ReleaseView was given a view this renderer did not create; ignored\n");
        return;
    }
    views.erase(found);
}

CameraView* SceneRegistry::ActiveView() const { return views.empty() ? nullptr : views.back().get(); }

}  // namespace RenderInterface
