#include "GlContext.h"

#include <cstdio>

#include <epoxy/gl.h>

namespace RenderInterface {
namespace {

void APIENTRY PrintDebugMessage(GLenum, GLenum, GLuint, GLenum severity, GLsizei, const GLchar* message,
                                const void*) {
    if (severity == GL_DEBUG_SEVERITY_NOTIFICATION) return;
    std::fprintf(stderr, "OpenGL debug: %s\n", message);
}

void EnableDebugOutput() {
    if (epoxy_gl_version() < 43 && !epoxy_has_gl_extension("GL_KHR_debug")) {
        std::fprintf(stderr, "Renderer: OpenGL debug output is not available on this driver\n");
        return;
    }
    glEnable(GL_DEBUG_OUTPUT);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
    glDebugMessageCallback(PrintDebugMessage, nullptr);
}

bool IsCoreProfile() {
    GLint mask = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &mask);
    return (mask & GL_CONTEXT_CORE_PROFILE_BIT) != 0;
}

}  // namespace

SDL_GLContext CreateGlContext(SDL_Window* window, bool debugOutput) {
    if (window == nullptr) {
        std::fprintf(stderr, "Renderer: no window was given to draw into\n");
        return nullptr;
    }
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0) {
        std::fprintf(stderr, "Renderer: the window was not created with SDL_WINDOW_OPENGL\n");
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, debugOutput ? SDL_GL_CONTEXT_DEBUG_FLAG : 0);

    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        std::fprintf(stderr, "Renderer: cannot create an OpenGL 3.3 core context: %s\n", SDL_GetError());
        return nullptr;
    }
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        std::fprintf(stderr, "Renderer: cannot make the OpenGL context current: %s\n", SDL_GetError());
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    if (epoxy_gl_version() < 33 || !IsCoreProfile()) {
        std::fprintf(stderr, "Renderer: the driver gave OpenGL %d.%d without a core profile; 3.3 core is needed\n",
                     epoxy_gl_version() / 10, epoxy_gl_version() % 10);
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    if (debugOutput) EnableDebugOutput();
    return context;
}

}  // namespace RenderInterface
