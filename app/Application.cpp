#include "app/Application.h"

#include <cstdlib>

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>

#include "app/WindowLayout.h"
#include "util/Input.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

int RunApplication(const RenderInterface::RenderConfig& config,
                   const std::function<void(AnimationDemo&)>& runFrames) {
    Util::InitWindowEvents();
    Util::Input::Initialize();

    // SDL_WINDOW_OPENGL as well as resizable: our renderer draws with OpenGL into this window.
    Util::Window* window = Util::CreateWindow(MainWindowTitle, MainWindowWidth, MainWindowHeight,
                                              SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                              SDL_WINDOW_RESIZABLE | SDL_WINDOW_OPENGL);
    if (!window) {
        Util::Input::Shutdown();
        return EXIT_FAILURE;
    }
    WindowEventHandler windowEventHandler;
    AnimationDemo demo;
    gRenderer = RenderInterface::CreateRenderSystem(config, window->GetNativeHandle());
    if (!gRenderer) {
        Util::DestroyWindow(window);
        Util::Input::Shutdown();
        return EXIT_FAILURE;
    }
    demo.Init(gRenderer, static_cast<float>(MainWindowWidth), static_cast<float>(MainWindowHeight));

    runFrames(demo);

    demo.Shutdown();
    TwTerminate();
    Util::DestroyWindow(window);
    Util::Input::Shutdown();
    RenderInterface::DestroyRenderSystem(gRenderer);
    return 0;
}
