#include "app/Application.h"

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>

#include "app/WindowLayout.h"
#include "util/Input.h"

bool Application::Start(const RenderInterface::RenderConfig& config, Demo& demo) {
    Util::InitWindowEvents();
    Util::Input::Initialize();

    // SDL_WINDOW_OPENGL as well as resizable: our renderer draws with OpenGL into this window.
    window = Util::CreateWindow(MainWindowTitle, MainWindowWidth, MainWindowHeight, SDL_WINDOWPOS_CENTERED,
                                SDL_WINDOWPOS_CENTERED, SDL_WINDOW_RESIZABLE | SDL_WINDOW_OPENGL);
    if (!window) {
        Util::Input::Shutdown();
        return false;
    }
    windowEventHandler.emplace();
    gRenderer = RenderInterface::CreateRenderSystem(config, window->GetNativeHandle());
    if (!gRenderer) {
        windowEventHandler.reset();
        Util::DestroyWindow(window);
        Util::Input::Shutdown();
        return false;
    }
    demo.Init(gRenderer, static_cast<float>(MainWindowWidth), static_cast<float>(MainWindowHeight));
    return true;
}

void Application::Stop(Demo& demo) {
    demo.Shutdown();
    TwTerminate();
    Util::DestroyWindow(window);
    Util::Input::Shutdown();
    RenderInterface::DestroyRenderSystem(gRenderer);
}
