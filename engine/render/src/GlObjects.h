#pragma once
// Owning handles for OpenGL object names.
//
// A handle remembers the context that was current when it was made and deletes its name only
// while that context is current. The application may destroy the window before the renderer (SDL
// then releases the context), and tests may keep two renderers; in both cases the names are left
// to die with their own context when the renderer deletes it.
#include <utility>

#include <SDL.h>
#include <epoxy/gl.h>

namespace RenderInterface {

template <void (*Delete)(GLuint)>
class GlName {
public:
    GlName() = default;
    explicit GlName(GLuint name) : name(name), owner(SDL_GL_GetCurrentContext()) {}
    ~GlName() { Reset(); }
    GlName(GlName&& other) noexcept
        : name(std::exchange(other.name, 0)), owner(std::exchange(other.owner, nullptr)) {}
    GlName& operator=(GlName&& other) noexcept {
        if (this != &other) {
            Reset();
            name = std::exchange(other.name, 0);
            owner = std::exchange(other.owner, nullptr);
        }
        return *this;
    }
    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;

    GLuint Get() const { return name; }
    explicit operator bool() const { return name != 0; }

    void Reset() {
        if (name != 0 && owner != nullptr && SDL_GL_GetCurrentContext() == owner) Delete(name);
        name = 0;
        owner = nullptr;
    }

private:
    GLuint name = 0;
    SDL_GLContext owner = nullptr;
};

namespace GlDelete {
inline void Buffer(GLuint n) { glDeleteBuffers(1, &n); }
inline void VertexArray(GLuint n) { glDeleteVertexArrays(1, &n); }
inline void Texture(GLuint n) { glDeleteTextures(1, &n); }
inline void Framebuffer(GLuint n) { glDeleteFramebuffers(1, &n); }
inline void Renderbuffer(GLuint n) { glDeleteRenderbuffers(1, &n); }
inline void Query(GLuint n) { glDeleteQueries(1, &n); }
inline void Program(GLuint n) { glDeleteProgram(n); }
inline void Shader(GLuint n) { glDeleteShader(n); }
}  // namespace GlDelete

using GlBuffer = GlName<GlDelete::Buffer>;
using GlVertexArray = GlName<GlDelete::VertexArray>;
using GlTexture = GlName<GlDelete::Texture>;
using GlFramebuffer = GlName<GlDelete::Framebuffer>;
using GlRenderbuffer = GlName<GlDelete::Renderbuffer>;
using GlQuery = GlName<GlDelete::Query>;
using GlProgram = GlName<GlDelete::Program>;
using GlShader = GlName<GlDelete::Shader>;

inline GlBuffer MakeBuffer() { GLuint n = 0; glGenBuffers(1, &n); return GlBuffer(n); }
inline GlVertexArray MakeVertexArray() { GLuint n = 0; glGenVertexArrays(1, &n); return GlVertexArray(n); }
inline GlTexture MakeTexture() { GLuint n = 0; glGenTextures(1, &n); return GlTexture(n); }
inline GlFramebuffer MakeFramebuffer() { GLuint n = 0; glGenFramebuffers(1, &n); return GlFramebuffer(n); }
inline GlRenderbuffer MakeRenderbuffer() { GLuint n = 0; glGenRenderbuffers(1, &n); return GlRenderbuffer(n); }
inline GlQuery MakeQuery() { GLuint n = 0; glGenQueries(1, &n); return GlQuery(n); }

}  // namespace RenderInterface
