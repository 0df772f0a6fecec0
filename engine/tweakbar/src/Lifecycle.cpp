// Starting and stopping the library, and the display size it draws for.
#include <epoxy/gl.h>
#include <imgui.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

#include "AntTweakBar.h"
#include "Errors.h"
#include "Library.h"

using namespace TweakBar;

namespace {

// Says why the current GL context cannot host the panels, or returns an empty string.
std::string ContextProblem(void* device) {
    if (!device) return "no device given; pass the current SDL_GLContext";
    if (device != SDL_GL_GetCurrentContext()) return "the device is not the current OpenGL context";
    if (!SDL_GL_GetCurrentWindow()) return "the current OpenGL context has no window";
    if (!epoxy_is_desktop_gl() || epoxy_gl_version() < 33) {
        return "OpenGL 3.3 or later is needed, the context offers " +
               std::to_string(epoxy_gl_version() / 10) + "." + std::to_string(epoxy_gl_version() % 10) +
               (epoxy_is_desktop_gl() ? "" : " ES");
    }
    return {};
}

}  // namespace

int TwInit(TwGraphAPI graphAPI, void* device) {
    Library& library = TheLibrary();
    if (library.initialised) {
        ReportError("TwInit: already initialised; call TwTerminate first");
        return 0;
    }
    if (graphAPI != TW_OPENGL_CORE) {
        ReportError("TwInit: graphics API " + std::to_string(graphAPI) +
                    " is not supported; only TW_OPENGL_CORE (" + std::to_string(TW_OPENGL_CORE) + ") is");
        return 0;
    }
    const std::string problem = ContextProblem(device);
    if (!problem.empty()) {
        ReportError("TwInit: " + problem);
        return 0;
    }

    IMGUI_CHECKVERSION();
    library.imgui = ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    // Nothing is written to the working directory.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    library.window = SDL_GL_GetCurrentWindow();
    const bool platformUp = ImGui_ImplSDL2_InitForOpenGL(library.window, device);
    const bool rendererUp = platformUp && ImGui_ImplOpenGL3_Init("#version 330 core");
    if (!rendererUp) {
        if (platformUp) ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext(library.imgui);
        library = Library{};
        ReportError("TwInit: Dear ImGui's SDL2 or OpenGL 3 backend failed to start");
        return 0;
    }
    library.windowId = SDL_GetWindowID(library.window);
    library.glContext = device;
    library.initialised = true;
    return 1;
}

int TwTerminate() {
    if (!RequireInitialised("TwTerminate")) return 0;
    Library& library = TheLibrary();
    // The renderer backend deletes GL objects by name; in any other context those names could
    // belong to someone else's objects.
    SDL_Window* currentWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext currentContext = SDL_GL_GetCurrentContext();
    const bool switchContext = currentContext != library.glContext;
    if (switchContext) SDL_GL_MakeCurrent(library.window, library.glContext);
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext(library.imgui);
    if (switchContext) SDL_GL_MakeCurrent(currentWindow, currentContext);
    library = Library{};
    return 1;
}

int TwWindowSize(int width, int height) {
    if (!RequireInitialised("TwWindowSize")) return 0;
    if (width < 0 || height < 0) {
        ReportError("TwWindowSize: negative size " + std::to_string(width) + " x " + std::to_string(height));
        return 0;
    }
    Library& library = TheLibrary();
    library.displayWidth = width;
    library.displayHeight = height;
    return 1;
}
