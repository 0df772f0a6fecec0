#include <TestSupport/OffscreenRenderer.h>

#include <cstdlib>

#include <gtest/gtest.h>

namespace TestSupport {

OffscreenRenderer::OffscreenRenderer(unsigned width, unsigned height, RenderInterface::RenderConfig config, bool shown) {
    // Keeps a driver chosen by the environment (Xvfb runs use x11).
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        ADD_FAILURE() << "SDL video did not start: " << SDL_GetError();
        return;
    }
    videoStarted = true;
    window = SDL_CreateWindow("Vantor test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, int(width), int(height),
                              SDL_WINDOW_OPENGL | (shown ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN));
    if (window == nullptr) {
        ADD_FAILURE() << "no SDL window: " << SDL_GetError();
        return;
    }
    config.width = float(width), config.height = float(height);
    renderer = RenderInterface::CreateRenderSystem(config, window);
    if (renderer == nullptr) ADD_FAILURE() << "CreateRenderSystem failed (see stderr)";
}

OffscreenRenderer::~OffscreenRenderer() {
    if (renderer != nullptr) RenderInterface::DestroyRenderSystem(renderer);
    if (window != nullptr) SDL_DestroyWindow(window);
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

FrameImage OffscreenRenderer::RenderAndRead() const {
    FrameImage frame;
    renderer->Render();
    renderer->ReadFrame(frame.rgba);
    frame.width = renderer->GetRenderTargetWidth(), frame.height = renderer->GetRenderTargetHeight();
    return frame;
}

}  // namespace TestSupport
