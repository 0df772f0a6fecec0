#pragma once
// The real renderer on an SDL window, for tests: gl->Register(&cube); gl.RenderAndRead().
// The window uses SDL's offscreen video driver unless SDL_VIDEODRIVER says otherwise (X tests set
// x11 and show the window, so that it takes focus and real input). The default config does not
// pace frames (swap interval 0).
#include <SDL.h>

#include <RenderInterface/Renderer.h>
#include <TestSupport/FrameImage.h>

namespace TestSupport {

class OffscreenRenderer {
public:
    // A width x height OpenGL window and the renderer on it with `config`, sized from the arguments.
    // On failure the test gets a non-fatal failure with the reason, and the object is false (test it
    // before any other use, as operator-> and RenderAndRead need the renderer).
    OffscreenRenderer(unsigned width, unsigned height, RenderInterface::RenderConfig config = {}, bool shown = false);
    ~OffscreenRenderer();  // the renderer, then the window
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    explicit operator bool() const { return renderer != nullptr; }
    RenderInterface::Renderer* Get() const { return renderer; }
    RenderInterface::Renderer* operator->() const { return renderer; }
    SDL_Window* Window() const { return window; }

    FrameImage RenderAndRead() const;  // Render(), then the frame as the renderer would present it

private:
    bool videoStarted = false;
    SDL_Window* window = nullptr;
    RenderInterface::Renderer* renderer = nullptr;
};

}  // namespace TestSupport
