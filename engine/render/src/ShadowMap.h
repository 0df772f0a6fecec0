#pragma once
// Depth of the scene seen from the directional light, for shadow tests.
//
// The map covers a box fixed in the world: the square of ground of side |shadowDepthRange|
// centred on the origin (800 covers the demo's walking loop), between the heights
// shadowBoundsMin and shadowBoundsMax. Depth grows towards the light (1 nearest to it), so
// shadowDepthScale, the slope-scaled polygon offset of the casters, pushes them away from the
// light when negative.
#include <RenderInterface/RenderConfig.h>
#include <Math/Math.h>

#include "GlObjects.h"

namespace RenderInterface {

class ShadowMap {
public:
    explicit ShadowMap(GLsizei size);

    // Fits the light's box for light travelling along `travel` (a unit vector).
    void Aim(const Math::Vector3& travel, const RenderSettings& settings);
    const Math::Matrix4& LightViewProjection() const { return lightViewProjection; }
    // World to texture coordinates (x, y) and stored depth (z), each 0 to 1 inside the box.
    Math::Matrix4 TextureMatrix() const;
    // World units one texel spans across the light.
    float TexelWorldSize() const { return texelWorldSize; }
    GLsizei Size() const { return size; }

    // Binds the map as the target of the casters and clears it to "farthest".
    void BeginCasters(const RenderSettings& settings) const;
    // Restores what BeginCasters changed.
    void EndCasters() const;
    void BindForShadowTests(GLuint unit) const;
    // Binds the raw depth for looking at it; call BindForShadowTests again before shadow tests.
    void BindForPreview(GLuint unit) const;

private:
    GLsizei size;
    GlTexture depth;
    GlFramebuffer framebuffer;
    Math::Matrix4 lightViewProjection;
    float texelWorldSize = 1.0f;
};

}  // namespace RenderInterface
