// Creation and destruction of the renderer.
#include <RenderInterface/Renderer.h>

#include "GlContext.h"
#include "GlRenderer.h"
#include "animation/AnimationLibrary.h"

namespace RenderInterface {

Renderer* CreateRenderSystem(const RenderConfig& config, void* nativeWindow) {
    auto* window = static_cast<SDL_Window*>(nativeWindow);
    SDL_GLContext context = CreateGlContext(window, config.debugOutput != 0);
    if (context == nullptr) return nullptr;
    return new GlRenderer(config, window, context);
}

void DestroyRenderSystem(Renderer* renderer) {
    delete renderer;
    // Skeletons and clips were registered through this renderer; they go with it.
    Animation::Registry::Clear();
}

}  // namespace RenderInterface
