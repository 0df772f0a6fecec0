// One ImGui frame per TwDraw: every bar's panel, rendered over the current framebuffer.
#include <imgui.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

#include "AntTweakBar.h"
#include "Errors.h"
#include "Library.h"
#include "PanelDrawing.h"

using namespace TweakBar;

namespace {

// Adjusts what ImGui's SDL backend measured: the display size given to TwWindowSize wins over the
// window's, and the pointer seen in events stands in where the backend could not read one.
void ApplyLibraryInputs(const Library& library) {
    ImGuiIO& io = ImGui::GetIO();
    if (library.displayWidth > 0 && library.displayHeight > 0) {
        io.DisplaySize = ImVec2(static_cast<float>(library.displayWidth), static_cast<float>(library.displayHeight));
    }
    if (!ImGui::IsMousePosValid() && library.pointer.valid) {
        io.MousePos = ImVec2(library.pointer.x, library.pointer.y);
    }
    // ImGui refuses a frame that takes no time; two draws within one counter tick must not abort.
    if (!(io.DeltaTime > 0.0f)) io.DeltaTime = 1.0e-6f;
}

}  // namespace

int TwDraw() {
    if (!RequireInitialised("TwDraw")) return 0;
    Library& library = TheLibrary();
    if (SDL_GL_GetCurrentContext() != library.glContext) {
        ReportError("TwDraw: the OpenGL context given to TwInit is not current");
        return 0;
    }
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ApplyLibraryInputs(library);
    ImGui::NewFrame();
    std::vector<TwRect> drawn;
    for (const std::unique_ptr<CTwBar>& bar : library.bars) {
        DrawBarPanel(*bar, drawn);
        drawn.push_back(bar->panelRect);
    }
    ImGui::Render();
    // Read after the widgets ran, so the click that enters a field and the key that leaves it
    // count from this frame on, not one frame later as ImGui's own capture flags would.
    library.keyboardTaken = ImGui::IsAnyItemActive();
    // This frame saw the quick presses down; their releases count from the next one.
    library.pressedSinceDraw.fill(false);
    for (const SDL_Event& release : library.heldReleases) ImGui_ImplSDL2_ProcessEvent(&release);
    library.heldReleases.clear();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    return 1;
}
