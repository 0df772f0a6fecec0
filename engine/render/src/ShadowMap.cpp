#include "ShadowMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace RenderInterface {

ShadowMap::ShadowMap(GLsizei size) : size(size), depth(MakeTexture()), framebuffer(MakeFramebuffer()) {
    glBindTexture(GL_TEXTURE_2D, depth.Get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size, size, 0, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_GEQUAL);

    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.Get());
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth.Get(), 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "Renderer: the shadow map's framebuffer is incomplete; shadows will be missing\n");
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void ShadowMap::Aim(const Math::Vector3& travel, const RenderSettings& settings) {
    const Math::Vector3 up = std::fabs(travel.y) > 0.99f ? Math::Vector3::unit_z : Math::Vector3::unit_y;
    // Looking along the light's travel: light-space z grows towards the light.
    const Math::Matrix4 view = Math::Matrix4::LookAt(Math::Vector3::zero, travel, up);

    const float half = 0.5f * std::fabs(settings.shadowDepthRange);
    const float low = std::min(settings.shadowBoundsMin, settings.shadowBoundsMax);
    const float high = std::max(settings.shadowBoundsMin, settings.shadowBoundsMax);
    Math::Vector3 lower(1e30f, 1e30f, 1e30f);
    Math::Vector3 upper(-1e30f, -1e30f, -1e30f);
    for (int corner = 0; corner < 8; ++corner) {
        const Math::Vector3 world((corner & 1) ? half : -half, (corner & 2) ? high : low, (corner & 4) ? half : -half);
        const Math::Vector3 p = Math::TransformPoint(view, world);
        lower = Math::Vector3(std::min(lower.x, p.x), std::min(lower.y, p.y), std::min(lower.z, p.z));
        upper = Math::Vector3(std::max(upper.x, p.x), std::max(upper.y, p.y), std::max(upper.z, p.z));
    }
    const Math::Vector3 extent(std::max(upper.x - lower.x, 1e-3f), std::max(upper.y - lower.y, 1e-3f),
                               std::max(upper.z - lower.z, 1e-3f));
    // Maps the box to -1..1 on every axis, z included, keeping "towards the light" as "larger".
    Math::Matrix4 box;
    box[0] = 2.0f / extent.x;
    box[3] = -1.0f - 2.0f * lower.x / extent.x;
    box[5] = 2.0f / extent.y;
    box[7] = -1.0f - 2.0f * lower.y / extent.y;
    box[10] = 2.0f / extent.z;
    box[11] = -1.0f - 2.0f * lower.z / extent.z;
    lightViewProjection = box * view;
    texelWorldSize = std::max(extent.x, extent.y) / static_cast<float>(size);
}

Math::Matrix4 ShadowMap::TextureMatrix() const {
    Math::Matrix4 toTexture = Math::Matrix4::TRS(Math::Vector3(0.5f, 0.5f, 0.5f), Math::Quaternion::identity,
                                                 Math::Vector3(0.5f, 0.5f, 0.5f));
    return toTexture * lightViewProjection;
}

void ShadowMap::BeginCasters(const RenderSettings& settings) const {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.Get());
    glViewport(0, 0, size, size);
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    glDepthMask(GL_TRUE);
    // Casters above or below the box still cast: their depth is clamped rather than clipped.
    glEnable(GL_DEPTH_CLAMP);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(settings.shadowDepthScale, 0.0f);
}

void ShadowMap::EndCasters() const {
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_DEPTH_CLAMP);
    glClearDepth(1.0);
    glDepthFunc(GL_LESS);
}

void ShadowMap::BindForShadowTests(GLuint unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, depth.Get());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
}

void ShadowMap::BindForPreview(GLuint unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, depth.Get());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_NONE);
}

}  // namespace RenderInterface
