#pragma once
// How depth runs in the frame. Where the driver can take clip-space depth as 0..1 (clip control),
// it runs reversed, 1 at the near plane and 0 at the far one, into a float buffer: float
// precision is finest near 0, which then falls on the far distances, so surfaces a fraction of a
// unit apart (armour over cloth, seen from across the scene with a near plane of 0.1) stay apart
// instead of fighting through each other in specks. Elsewhere depth runs the usual way.
#include <epoxy/gl.h>

namespace RenderInterface {

struct DepthConvention {
    bool reversed = false;

    static DepthConvention Best() {
        return DepthConvention{epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_ARB_clip_control")};
    }
    GLenum Nearer() const { return reversed ? GL_GREATER : GL_LESS; }
    GLenum NearerOrEqual() const { return reversed ? GL_GEQUAL : GL_LEQUAL; }
    // The depth of the far plane, in normalised device coordinates and in the buffer alike.
    float Far() const { return reversed ? 0.0f : 1.0f; }
    // Multiplies polygon offsets that push surfaces away from the eye.
    float Away() const { return reversed ? -1.0f : 1.0f; }
    // Switches clip-space depth to match, for the frame's scene passes; End switches it back for
    // everything else (the shadow map, the tweak bar).
    void Begin() const {
        if (reversed) glClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
    }
    void End() const {
        if (reversed) glClipControl(GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
        glDepthFunc(GL_LESS);
        glClearDepth(1.0);
    }
};

}  // namespace RenderInterface
