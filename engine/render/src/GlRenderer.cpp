#include "GlRenderer.h"

#include <cstdio>

#include "animation/AnimationLibrary.h"

namespace RenderInterface {
namespace {

// The colour of a clear sky near the horizon, in sRGB.
constexpr float SkyColor[3] = {0.62f, 0.76f, 0.90f};

int DisplayRefreshRate(SDL_Window* window) {
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    return mode.refresh_rate;
}

unsigned InitialSize(float configured, int drawable) {
    if (configured >= 1.0f) return static_cast<unsigned>(configured);
    return drawable > 0 ? static_cast<unsigned>(drawable) : 1u;
}

}  // namespace

GlRenderer::GlRenderer(const RenderConfig& config, SDL_Window* window, SDL_GLContext context)
    : window(window),
      context(context),
      settings(config.settings),
      paced(config.swapInterval != 0),
      pacer(DisplayRefreshRate(window)) {
    if (config.fullscreen != 0 && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        std::fprintf(stderr, "Renderer: cannot make the window fullscreen: %s\n", SDL_GetError());
    }
    // Where the driver cannot wait for a vertical blank the pacer still holds the frame rate.
    SDL_GL_SetSwapInterval(paced ? 1 : 0);

    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    target = std::make_unique<RenderTarget>(InitialSize(config.width, drawableWidth),
                                            InitialSize(config.height, drawableHeight));
}

GlRenderer::~GlRenderer() {
    target.reset();
    SDL_GL_DeleteContext(context);
}

void GlRenderer::MakeCurrent() {
    if (SDL_GL_GetCurrentContext() != context) SDL_GL_MakeCurrent(window, context);
}

ResourceResult GlRenderer::RegisterTexture(const char* path, const char*) {
    std::fprintf(stderr, "%s: textures cannot be registered yet\n", path ? path : "(null)");
    return ResourceResult::BadFormat;
}

ResourceResult GlRenderer::RegisterModel(const char* path, const char*) {
    std::fprintf(stderr, "%s: models cannot be registered yet\n", path ? path : "(null)");
    return ResourceResult::BadFormat;
}

ResourceResult GlRenderer::RegisterSkeleton(const char* path, const char* name) {
    return AnimationLibrary::RegisterSkeletonFile(path, name);
}

ResourceResult GlRenderer::RegisterAnimation(const char* path, const char* name) {
    return AnimationLibrary::RegisterAnimationFile(path, name);
}

void GlRenderer::DrawLine(const Math::Vector3&, const Math::Vector4&, const Math::Vector3&, const Math::Vector4&,
                          DebugRenderSpace) {}

void GlRenderer::DrawSphere(const Math::Vector3&, float, const Math::Vector4&, DebugRenderSpace) {}

void GlRenderer::Register(Renderable* object) { scene.Register(object); }

void GlRenderer::UnRegister(Renderable* object) { scene.UnRegister(object); }

CameraView* GlRenderer::CreateView(float width, float height, float nearPlane, float farPlane, float fovY) {
    return scene.CreateView(width, height, nearPlane, farPlane, fovY);
}

void GlRenderer::ReleaseView(CameraView* view) { scene.ReleaseView(view); }

void* GlRenderer::GetDevice() { return context; }

void GlRenderer::ResizeRenderTargets(unsigned width, unsigned height) {
    MakeCurrent();
    target->Resize(width, height);
}

void GlRenderer::Render() {
    MakeCurrent();
    target->Bind();
    // Whatever drew after the last frame (the tweak bar, tests) may have left a scissor or masks on.
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glClearColor(SkyColor[0], SkyColor[1], SkyColor[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void GlRenderer::Present() {
    MakeCurrent();
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    target->CopyToWindow(drawableWidth, drawableHeight);
    if (paced) pacer.WaitForSlot();
    SDL_GL_SwapWindow(window);
    // Whatever draws between frames (the tweak bar after Render) lands in the frame, not the window.
    target->Bind();
}

unsigned GlRenderer::GetRenderTargetWidth() const { return target->Width(); }

unsigned GlRenderer::GetRenderTargetHeight() const { return target->Height(); }

void GlRenderer::ReadFrame(std::vector<std::uint8_t>& rgba) {
    MakeCurrent();
    target->Read(rgba);
}

}  // namespace RenderInterface
