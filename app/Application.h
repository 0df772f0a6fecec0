#pragma once
// What the program brings up around its demo, split into start-up and teardown so that main
// (and the frame timer, which runs the same program) reads start-up, loop, teardown in order.
#include <optional>

#include <RenderInterface/RenderConfig.h>

#include "app/Demo.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

class Application {
public:
    // Window events, the input module, the window, its observer, the renderer made from
    // `config` (into gRenderer), then the demo's Init. False, with everything it brought up
    // taken down again, when the window or the renderer cannot be created.
    bool Start(const RenderInterface::RenderConfig& config, Demo& demo);
    // The demo's Shutdown, the tweak bar, the window, the input module, the renderer.
    void Stop(Demo& demo);

private:
    Util::Window* window = nullptr;
    std::optional<WindowEventHandler> windowEventHandler;
};
