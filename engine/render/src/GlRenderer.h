#pragma once
// The OpenGL 3.3 core implementation of RenderInterface::Renderer.
//
// A frame: the shadow casters into the shadow map, the models lit into the render target, the
// sky behind them, then the debug lines. The target stays bound after Render, so whatever draws
// next (the tweak bar) lands in the frame that Present copies to the window.
#include <memory>
#include <vector>

#include <SDL.h>

#include <RenderInterface/Renderer.h>
#include <RenderInterface/RenderStatistics.h>

#include "BoneBuffer.h"
#include "DebugDraw.h"
#include "FrameContext.h"
#include "FramePacer.h"
#include "GpuResources.h"
#include "ModelPass.h"
#include "PassTimers.h"
#include "RenderTarget.h"
#include "SceneRegistry.h"
#include "ShadowMap.h"
#include "ShadowPreview.h"
#include "SkyPass.h"

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

    RenderSettings& Settings() { return settings; }
    const PassTimings& Timings() const { return gpu->timers.Latest(); }

private:
    // Everything that lives in the context, released before the context itself.
    struct GpuState {
        GpuState(unsigned width, unsigned height);
        RenderTarget target;
        GpuResources resources;
        CubeMapTexture gradientSky;
        BoneBuffer bones;
        ShadowMap shadowMap;
        ModelPass models;
        SkyPass sky;
        DebugDraw debug;
        ShadowPreview shadowPreview;
        PassTimers timers;
    };

    // Every entry point that issues OpenGL calls makes the renderer's context current first, so
    // that several renderers (in tests) do not draw into each other's context.
    void MakeCurrent();
    // Fills `frame` and `drawItems` from the registered objects, and uploads the bone matrices.
    void GatherFrame();
    void GatherModel(const Renderable& object);
    void DrawShadowMap();
    void DrawScene();

    SDL_Window* window;
    SDL_GLContext context;
    RenderSettings settings;
    bool paced;
    FramePacer pacer;
    SceneRegistry scene;
    std::unique_ptr<GpuState> gpu;
    FrameContext frame;
    Math::Vector3 lightTravel;
    std::vector<DrawItem> drawItems;
};

}  // namespace RenderInterface
