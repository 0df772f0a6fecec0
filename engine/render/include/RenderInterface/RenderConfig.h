#pragma once
#include <cstddef>
#include <cstdint>

namespace RenderInterface {

// Look settings of the renderer. The constructor gives every member its default.
// The layout is fixed: 52 bytes, members at natural alignment.
struct RenderSettings {
    std::uint8_t shadowsEnabled = 1;      // shadow map from the directional light
    std::uint8_t wireframe = 0;           // draw models as wireframe
    std::uint8_t showShadowMap = 0;       // show the shadow map in a corner (debugging)
    std::uint8_t skyBoxEnabled = 1;       // draw the sky box (else clear to a flat sky colour)
    std::uint8_t debugDrawEnabled = 1;    // draw the queued debug lines and spheres
    std::uint8_t freezeDebugDraw = 0;     // keep the debug queue from the last frame that drew it
    std::uint8_t toneMappingEnabled = 1;  // filmic tone curve (else a plain clamp)
    float exposure = 1.3f;                // scene radiance multiplier before the tone curve
    float ambientStrength = 0.5f;         // sky-coloured ambient term
    float shadowBias = 0.0025f;           // depth bias of the shadow test, in light-space depth
    float diffuseStrength = 1.0f;         // scale of the light's diffuse term
    float skyStrength = 1.2f;             // brightness of the sky box
    float shadowSoftness = 1.75f;         // PCF filter radius in shadow-map texels
    float specularStrength = 0.65f;       // scale of the specular highlight
    // The shadow map covers a box fixed in the world: a square of ground centred on the origin,
    // |shadowDepthRange| on a side (800 holds the demo's walking loop), from height
    // shadowBoundsMin to shadowBoundsMax. Its depth grows towards the light, so the casters'
    // slope-scaled polygon offset shadowDepthScale pushes them away from the light when negative.
    float shadowBoundsMin = -300.0f;      // lowest world height (y) inside the shadow box
    float shadowBoundsMax = 100.0f;       // highest world height (y) inside the shadow box
    float shadowDepthScale = -1.0f;       // slope-scaled depth offset of the shadow casters
    float shadowDepthRange = -800.0f;     // side of the ground square the shadow box covers (magnitude)
};

// The record handed to CreateRenderSystem. 68 bytes, little-endian, natural alignment.
struct RenderConfig {
    float width = 0.0f;               // initial render-target size in pixels
    float height = 0.0f;
    std::int32_t swapInterval = 0;    // non-zero: one vertical blank per Present (paced to the display's
                                      // refresh, 60 Hz when unknown, where no vertical blank exists);
                                      // 0: present as fast as possible
    std::uint8_t fullscreen = 0;      // 1: make the window fullscreen at creation
    std::uint8_t debugOutput = 0;     // 1: print OpenGL debug messages to stderr
    RenderSettings settings;
};

static_assert(sizeof(RenderSettings) == 52, "RenderSettings layout is fixed");
static_assert(offsetof(RenderSettings, shadowsEnabled) == 0);
static_assert(offsetof(RenderSettings, toneMappingEnabled) == 6);
static_assert(offsetof(RenderSettings, exposure) == 8);
static_assert(offsetof(RenderSettings, ambientStrength) == 12);
static_assert(offsetof(RenderSettings, shadowBias) == 16);
static_assert(offsetof(RenderSettings, diffuseStrength) == 20);
static_assert(offsetof(RenderSettings, skyStrength) == 24);
static_assert(offsetof(RenderSettings, shadowSoftness) == 28);
static_assert(offsetof(RenderSettings, specularStrength) == 32);
static_assert(offsetof(RenderSettings, shadowBoundsMin) == 36);
static_assert(offsetof(RenderSettings, shadowBoundsMax) == 40);
static_assert(offsetof(RenderSettings, shadowDepthScale) == 44);
static_assert(offsetof(RenderSettings, shadowDepthRange) == 48);
static_assert(sizeof(RenderConfig) == 68, "RenderConfig layout is fixed");
static_assert(offsetof(RenderConfig, width) == 0);
static_assert(offsetof(RenderConfig, height) == 4);
static_assert(offsetof(RenderConfig, swapInterval) == 8);
static_assert(offsetof(RenderConfig, fullscreen) == 12);
static_assert(offsetof(RenderConfig, debugOutput) == 13);
static_assert(offsetof(RenderConfig, settings) == 16);

}  // namespace RenderInterface
