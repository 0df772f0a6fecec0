#pragma once
// The real renderer on a real SDL window, for tests.
//
//   TestSupport::OffscreenRenderer gl(160, 120);
//   ASSERT_TRUE(gl) << "no OpenGL 3.3 core context";
//   gl->Register(&cube);                       // gl-> is the RenderInterface::Renderer
//   TestSupport::FrameImage frame = gl.RenderAndRead();
//   EXPECT_GT(frame.Average(70, 50, 20, 20).r, 200.0);
//
// The window uses SDL's offscreen video driver unless SDL_VIDEODRIVER says otherwise (CTest sets
// it), so no display is needed. Frames are not paced (swap interval 0).
#include <SDL.h>

#include <RenderInterface/Renderer.h>
#include <TestSupport/FrameImage.h>

namespace TestSupport {

class OffscreenRenderer {
public:
    // Opens a hidden width x height window with SDL_WINDOW_OPENGL and creates the renderer on it.
    // On failure the test gets a non-fatal failure with SDL's reason and the object is false.
    OffscreenRenderer(unsigned width, unsigned height);
    // As above with the given config; its width and height are set from the arguments.
    OffscreenRenderer(unsigned width, unsigned height, RenderInterface::RenderConfig config);
    // Destroys the renderer, then the window.
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    explicit operator bool() const { return renderer != nullptr; }
    RenderInterface::Renderer* Get() const { return renderer; }
    RenderInterface::Renderer* operator->() const { return renderer; }
    SDL_Window* Window() const { return window; }

    // The current frame as the renderer would present it.
    FrameImage Read() const;
    // Render(), then Read().
    FrameImage RenderAndRead() const;

    // The config the one-argument constructor uses: defaults, unpaced.
    static RenderInterface::RenderConfig DefaultConfig();

private:
    bool videoStarted = false;
    SDL_Window* window = nullptr;
    RenderInterface::Renderer* renderer = nullptr;
};

}  // namespace TestSupport
