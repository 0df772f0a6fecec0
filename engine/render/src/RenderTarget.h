#pragma once
// The frame the renderer draws into: an sRGB RGBA8 colour buffer with float depth and stencil, sized by
// the renderer rather than by the window. The scene passes write linear colour with
// GL_FRAMEBUFFER_SRGB on; everything else (debug lines, the tweak bar) writes display values as
// they are. Drawing into a target of our own keeps the frame's size and
// contents under our control everywhere, also where the window's own buffer cannot be resized (the
// offscreen driver) or loses its contents on a swap; Present copies it to the window.
#include <cstdint>
#include <vector>

#include "GlObjects.h"

namespace RenderInterface {

class RenderTarget {
public:
    // Allocates the buffers; sizes below 1 are raised to 1, sizes beyond the driver's limits
    // lowered to them, keeping the shape (and said once on stderr).
    RenderTarget(unsigned width, unsigned height);

    void Resize(unsigned width, unsigned height);
    unsigned Width() const { return width; }
    unsigned Height() const { return height; }

    // Makes the target the draw and read framebuffer and sets the viewport to all of it.
    void Bind() const;
    // Tightly packed RGBA8 rows, top row first.
    void Read(std::vector<std::uint8_t>& rgba) const;
    // Copies the frame to the window's framebuffer, scaled to the drawable size when it differs.
    void CopyToWindow(int drawableWidth, int drawableHeight) const;

private:
    GlFramebuffer framebuffer;
    GlRenderbuffer color;
    GlRenderbuffer depthStencil;
    unsigned width = 0;
    unsigned height = 0;
    bool toldOversize = false;
};

}  // namespace RenderInterface
