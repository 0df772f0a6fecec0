#pragma once
// The OpenGL 3.3 core implementation of RenderInterface::Renderer.
#include <memory>

#include <SDL.h>

#include <RenderInterface/Renderer.h>

#include "FramePacer.h"
#include "RenderTarget.h"
#include "SceneRegistry.h"

namespace RenderInterface {

class GlRenderer final : public Renderer {
public:
    // Takes over `context`, which must be current on `window`.
    GlRenderer(const RenderConfig& config, SDL_Window* window, SDL_GLContext context);
    ~GlRenderer() override;
    GlRenderer(const GlRenderer&) = delete;
    GlRenderer& operator=(const GlRenderer&) = delete;

    ResourceResult RegisterTexture(const char* path, const char* name) override;
    ResourceResult RegisterModel(const char* path, const char* name) override;
    ResourceResult RegisterSkeleton(const char* path, const char* name) override;
    ResourceResult RegisterAnimation(const char* path, const char* name) override;

    void DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                  const Math::Vector4& color1, DebugRenderSpace space) override;
    void DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                    DebugRenderSpace space) override;

    void Register(Renderable* object) override;
    void UnRegister(Renderable* object) override;

    CameraView* CreateView(float width, float height, float nearPlane, float farPlane, float fovY) override;
    void ReleaseView(CameraView* view) override;

    void* GetDevice() override;
    void ResizeRenderTargets(unsigned width, unsigned height) override;
    void Render() override;
    void Present() override;
    unsigned GetRenderTargetWidth() const override;
    unsigned GetRenderTargetHeight() const override;
    void ReadFrame(std::vector<std::uint8_t>& rgba) override;

private:
    // Every entry point that issues OpenGL calls makes the renderer's context current first, so
    // that several renderers (in tests) do not draw into each other's context.
    void MakeCurrent();

    SDL_Window* window;
    SDL_GLContext context;
    RenderSettings settings;
    bool paced;
    FramePacer pacer;
    SceneRegistry scene;
    std::unique_ptr<RenderTarget> target;
};

}  // namespace RenderInterface
