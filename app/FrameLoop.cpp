#include "app/FrameLoop.h"

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>

#include "app/Demo.h"
#include "util/Input.h"
#include "util/Window.h"

bool IsExitRequested() {
    return Util::IsQuitRequested() || Util::Input::IsKeyTriggered(SDL_SCANCODE_ESCAPE);
}

void RunFrame(Demo& demo) {
    // The input update pumps SDL's events, so the window and input event watches run inside it.
    Util::Input::Update();
    Util::PumpWindowEvents();
    demo.Update();
    gRenderer->Render();
    TwDraw();
    gRenderer->Present();
}

void RunFrameLoop(Demo& demo) {
    while (!IsExitRequested()) {
        RunFrame(demo);
    }
}
