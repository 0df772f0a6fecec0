#include "GlRenderer.h"

#include <cmath>
#include <cstdio>

#include "GradientSky.h"
#include "animation/AnimationLibrary.h"

namespace RenderInterface {
namespace {

// The horizon of the gradient sky as displayed: the frame's colour where the sky is not drawn.
constexpr float FlatSkyColor[3] = {0.79f, 0.84f, 0.90f};
constexpr GLsizei ShadowMapSize = 1024;
constexpr std::uint32_t GradientSkySize = 64;

unsigned InitialSize(float configured, int drawable) {
    if (configured >= 1.0f) return static_cast<unsigned>(configured);
    return drawable > 0 ? static_cast<unsigned>(drawable) : 1u;
}

bool IsFinite(const Math::Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// Inverse transpose of the upper 3x3, column-major for glUniformMatrix3fv: the rows of the
// row-major inverse are exactly the columns of its transpose.
void NormalMatrix(const Math::Matrix4& world, float (&out)[9]) {
    const Math::Matrix4 inverse = Math::Inverse(world);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) out[row * 3 + column] = inverse[row * 4 + column];
    }
}

}  // namespace

GlRenderer::GpuState::GpuState(unsigned width, unsigned height)
    : target(width, height), gradientSky(MakeGradientSky(GradientSkySize)), shadowMap(ShadowMapSize) {}

GlRenderer::GlRenderer(const RenderConfig& config, SDL_Window* window, SDL_GLContext context)
    : window(window),
      context(context),
      settings(config.settings),
      paced(config.swapInterval != 0) {
    if (config.fullscreen != 0 && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        std::fprintf(stderr, "Renderer: cannot make the window fullscreen: %s\n", SDL_GetError());
    }
    // The swap waits for the vertical blank where the driver can; the pacer holds the frame rate.
    SDL_GL_SetSwapInterval(paced ? 1 : 0);
    glEnable(GL_TEXTURE_CUBE_MAP_SEAMLESS);

    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    gpu = std::make_unique<GpuState>(InitialSize(config.width, drawableWidth),
                                     InitialSize(config.height, drawableHeight));
    frame.settings = &settings;
    frame.depth = DepthConvention::Best();
}

GlRenderer::~GlRenderer() {
    gpu.reset();
    SDL_GL_DeleteContext(context);
}

void GlRenderer::MakeCurrent() {
    if (SDL_GL_GetCurrentContext() != context) SDL_GL_MakeCurrent(window, context);
}

ResourceResult GlRenderer::RegisterTexture(const char* path, const char* name) {
    MakeCurrent();
    return gpu->resources.RegisterTexture(path, name);
}

ResourceResult GlRenderer::RegisterModel(const char* path, const char* name) {
    MakeCurrent();
    return gpu->resources.RegisterModel(path, name);
}

ResourceResult GlRenderer::RegisterSkeleton(const char* path, const char* name) {
    return AnimationLibrary::RegisterSkeletonFile(path, name);
}

ResourceResult GlRenderer::RegisterAnimation(const char* path, const char* name) {
    return AnimationLibrary::RegisterAnimationFile(path, name);
}

void GlRenderer::DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                          const Math::Vector4& color1, DebugRenderSpace space) {
    if (settings.freezeDebugDraw != 0) return;
    gpu->debug.AddLine(p0, color0, p1, color1, space);
}

void GlRenderer::DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                            DebugRenderSpace space) {
    if (settings.freezeDebugDraw != 0) return;
    gpu->debug.AddSphere(center, radius, color, space);
}

void GlRenderer::Register(Renderable* object) { scene.Register(object); }

void GlRenderer::UnRegister(Renderable* object) { scene.UnRegister(object); }

CameraView* GlRenderer::CreateView(float width, float height, float nearPlane, float farPlane, float fovY) {
    return scene.CreateView(width, height, nearPlane, farPlane, fovY);
}

void GlRenderer::ReleaseView(CameraView* view) { scene.ReleaseView(view); }

void* GlRenderer::GetDevice() { return context; }

void GlRenderer::ResizeRenderTargets(unsigned width, unsigned height) {
    MakeCurrent();
    gpu->target.Resize(width, height);
}

void GlRenderer::GatherModel(const Renderable& object) {
    const GpuMesh* mesh = gpu->resources.FindMesh(object.GetModelName());
    if (mesh == nullptr) return;
    DrawItem item;
    item.mesh = mesh;
    item.world = object.GetWorldMatrix();
    NormalMatrix(item.world, item.normalMatrix);
    if (const auto* animated = dynamic_cast<const AnimationModel*>(&object)) {
        if (AnimationController::GetBoneCount(animated->SkeletonName()) == 0) return;
        const std::vector<Math::Matrix4>& skinning = animated->GetSkinningMatricies();
        item.boneOffset = gpu->bones.Append(skinning, object.GetModelName(), item.boneCount);
    }
    drawItems.push_back(item);
}

void GlRenderer::GatherFrame() {
    frame.view = MakeFrameView(scene.ActiveView(), gpu->target.Width(), gpu->target.Height(), frame.depth);

    frame.hasLight = false;
    if (const auto* light = dynamic_cast<const DirectionalLight*>(scene.Latest(RenderableType::DirectionalLight))) {
        lightTravel = Math::Normalized(light->GetLightDirection());
        frame.hasLight = lightTravel != Math::Vector3::zero && IsFinite(lightTravel);
        frame.toLight = -lightTravel;
        frame.lightRadiance = light->GetColor() * light->GetStrength();
    }

    const auto* skyBox = dynamic_cast<const SkyBox*>(scene.Latest(RenderableType::SkyBox));
    const CubeMapTexture* named = skyBox != nullptr ? gpu->resources.FindCubeMap(skyBox->GetTextureName()) : nullptr;
    frame.sky = named != nullptr ? named : &gpu->gradientSky;

    drawItems.clear();
    gpu->bones.Clear();
    for (const Renderable* object : scene.Objects()) {
        const RenderableType type = object->GetType();
        if (type == RenderableType::StaticModel || type == RenderableType::AnimatedModel) GatherModel(*object);
    }
    gpu->bones.Upload();
    gpu->bones.Bind(TextureUnit::Bones);

    frame.shadows = settings.shadowsEnabled != 0 && frame.hasLight;
    if (frame.shadows) {
        ShadowMap& shadowMap = gpu->shadowMap;
        shadowMap.Aim(lightTravel, settings);
        frame.shadowMatrix = shadowMap.TextureMatrix();
        frame.shadowRadius = settings.shadowSoftness / static_cast<float>(shadowMap.Size());
        frame.shadowNormalOffset = 1.5f * shadowMap.TexelWorldSize();
    }
}

void GlRenderer::DrawShadowMap() {
    gpu->timers.Begin(Pass::Shadow);
    gpu->shadowMap.BeginCasters(settings);
    gpu->models.DrawShadowCasters(drawItems, gpu->shadowMap.LightViewProjection());
    gpu->shadowMap.EndCasters();
    gpu->timers.End();
    gpu->shadowMap.BindForShadowTests(TextureUnit::ShadowMap);
}

void GlRenderer::DrawScene() {
    GpuState& g = *gpu;
    g.target.Bind();
    frame.depth.Begin();
    glClearColor(FlatSkyColor[0], FlatSkyColor[1], FlatSkyColor[2], 1.0f);
    glClearDepth(frame.depth.Far());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);

    glEnable(GL_FRAMEBUFFER_SRGB);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(frame.depth.Nearer());
    if (settings.wireframe != 0) glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    // Surfaces go back by their depth change over one pixel, so that debug lines drawn on them
    // (the path on the ground) stay in front: a one-pixel line is rasterised up to half a pixel
    // from the pixel centres where the surface's depth is taken, and on ground seen at a grazing
    // angle that half pixel is a larger depth step than the lines' own pull towards the eye.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(frame.depth.Away(), frame.depth.Away());
    g.timers.Begin(Pass::Models);
    g.models.DrawLit(drawItems, frame);
    g.timers.End();
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    if (settings.skyBoxEnabled != 0) {
        g.timers.Begin(Pass::Sky);
        g.sky.Draw(frame);
        g.timers.End();
    }
    glDisable(GL_FRAMEBUFFER_SRGB);
    if (settings.debugDrawEnabled != 0) {
        g.timers.Begin(Pass::Debug);
        g.debug.Draw(frame.view.viewProjection, frame.view.eye, frame.depth);
        g.timers.End();
    }
    if (settings.showShadowMap != 0 && frame.shadows) {
        g.shadowPreview.Draw(g.shadowMap, g.target.Width(), g.target.Height());
    }
    frame.depth.End();
}

void GlRenderer::Render() {
    MakeCurrent();
    // Whatever drew after the last frame (the tweak bar, tests) may have left a scissor or masks on.
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);

    GatherFrame();
    if (frame.shadows) DrawShadowMap();
    DrawScene();
    if (settings.freezeDebugDraw == 0) gpu->debug.Clear();
    gpu->timers.EndFrame();

    // Leave the frame bound with plain state for whatever draws over it.
    glDisable(GL_DEPTH_TEST);
    glBindVertexArray(0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
}

void GlRenderer::Present() {
    MakeCurrent();
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    gpu->target.CopyToWindow(drawableWidth, drawableHeight);
    if (paced) pacer.WaitForSlot();
    SDL_GL_SwapWindow(window);
    // Whatever draws between frames lands in the frame, not the window.
    gpu->target.Bind();
}

unsigned GlRenderer::GetRenderTargetWidth() const { return gpu->target.Width(); }

unsigned GlRenderer::GetRenderTargetHeight() const { return gpu->target.Height(); }

void GlRenderer::ReadFrame(std::vector<std::uint8_t>& rgba) {
    MakeCurrent();
    gpu->target.Read(rgba);
}

PassTimings GetPassTimings(const Renderer& renderer) {
    const auto* gl = dynamic_cast<const GlRenderer*>(&renderer);
    return gl != nullptr ? gl->Timings() : PassTimings{};
}

RenderSettings* GetRenderSettings(Renderer& renderer) {
    auto* gl = dynamic_cast<GlRenderer*>(&renderer);
    return gl != nullptr ? &gl->Settings() : nullptr;
}

}  // namespace RenderInterface
