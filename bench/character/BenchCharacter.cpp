#include "BenchCharacter.h"

#include <cstdio>
#include <cstdlib>

#include "util/Input.h"

BenchCharacter::BenchCharacter()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "BenchCharacter: SDL video did not start: %s\n", SDL_GetError());
        return;
    }
    window = SDL_CreateWindow("Vantor bench", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 320, 200,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        std::fprintf(stderr, "BenchCharacter: no SDL window: %s\n", SDL_GetError());
        return;
    }
    RenderInterface::RenderConfig config;
    config.width = 320.0f;
    config.height = 200.0f;
    renderer = RenderInterface::CreateRenderSystem(config, window);
    if (!renderer) {
        return;
    }
    TwInit(TW_OPENGL_CORE, renderer->GetDevice());
    bar = TwNewBar("Tovrin_Stage1");
    Util::Input::Initialize();
    character.Init(renderer, bar);
}

BenchCharacter::~BenchCharacter()
{
    if (renderer) {
        character.Shutdown();
        Util::Input::Shutdown();
        TwTerminate();
        RenderInterface::DestroyRenderSystem(renderer);
    }
    if (window) {
        SDL_DestroyWindow(window);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
