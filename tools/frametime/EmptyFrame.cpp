#include "EmptyFrame.h"

#include <chrono>
#include <cstdio>

#include <SDL.h>
#include <RenderInterface/Renderer.h>

namespace FrameTime {

bool TimeEmptyFrames(const RenderInterface::RenderConfig& config, int frames, FrameSamples& frameTimes) {
    SDL_Window* window =
        SDL_CreateWindow("Vantor empty frame", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         static_cast<int>(config.width), static_cast<int>(config.height), SDL_WINDOW_OPENGL);
    if (!window) {
        std::fprintf(stderr, "vantor-frametime: no window for the empty frames: %s\n", SDL_GetError());
        return false;
    }
    RenderInterface::Renderer* renderer = RenderInterface::CreateRenderSystem(config, window);
    if (!renderer) {
        SDL_DestroyWindow(window);
        return false;
    }
    for (int frame = 0; frame < frames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        // Nothing else takes SDL's events here; pumping keeps the window responsive to the server.
        SDL_PumpEvents();
        renderer->Render();
        renderer->Present();
        frameTimes.Add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    RenderInterface::DestroyRenderSystem(renderer);
    SDL_DestroyWindow(window);
    return true;
}

}  // namespace FrameTime
