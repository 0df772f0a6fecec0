#include "RenderTarget.h"

#include <algorithm>
#include <cstdio>

namespace RenderInterface {

RenderTarget::RenderTarget(unsigned width, unsigned height)
    : framebuffer(MakeFramebuffer()), color(MakeRenderbuffer()), depthStencil(MakeRenderbuffer()) {
    Resize(width, height);
}

namespace {

// The largest width and height the driver can give a render target and its viewport.
void LargestTarget(GLint& maxWidth, GLint& maxHeight) {
    GLint renderbuffer = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    maxWidth = std::min(renderbuffer, viewport[0]);
    maxHeight = std::min(renderbuffer, viewport[1]);
}

}  // namespace

void RenderTarget::Resize(unsigned newWidth, unsigned newHeight) {
    width = std::max(newWidth, 1u);
    height = std::max(newHeight, 1u);
    // A window larger than the driver can render into gets the largest frame of the same shape
    // it can, and Present scales it up to the window.
    GLint maxWidth = 0;
    GLint maxHeight = 0;
    LargestTarget(maxWidth, maxHeight);
    const double shrink =
        std::min({1.0, static_cast<double>(maxWidth) / width, static_cast<double>(maxHeight) / height});
    if (shrink < 1.0) {
        const unsigned wanted[2] = {width, height};
        width = std::max(static_cast<unsigned>(width * shrink), 1u);
        height = std::max(static_cast<unsigned>(height * shrink), 1u);
        if (!toldOversize) {
            std::fprintf(stderr,
                         "Renderer: the window (%ux%u) is larger than this GPU can render; drawing at %ux%u and "
                         "scaling it to the window\n",
                         wanted[0], wanted[1], width, height);
            toldOversize = true;
        }
    }
    const auto w = static_cast<GLsizei>(width);
    const auto h = static_cast<GLsizei>(height);

    glBindRenderbuffer(GL_RENDERBUFFER, color.Get());
    glRenderbufferStorage(GL_RENDERBUFFER, GL_SRGB8_ALPHA8, w, h);
    glBindRenderbuffer(GL_RENDERBUFFER, depthStencil.Get());
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH32F_STENCIL8, w, h);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);

    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.Get());
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color.Get());
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil.Get());
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "Renderer: the %ux%u render target is incomplete (status 0x%x)\n", width, height,
                     status);
    }
    Bind();
}

void RenderTarget::Bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.Get());
    glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
}

void RenderTarget::Read(std::vector<std::uint8_t>& rgba) const {
    const std::size_t rowBytes = std::size_t{width} * 4;
    rgba.resize(rowBytes * height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer.Get());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    // OpenGL reads bottom row first.
    for (unsigned top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(rgba.begin() + static_cast<std::ptrdiff_t>(top * rowBytes),
                         rgba.begin() + static_cast<std::ptrdiff_t>((top + 1) * rowBytes),
                         rgba.begin() + static_cast<std::ptrdiff_t>(bottom * rowBytes));
    }
}

void RenderTarget::CopyToWindow(int drawableWidth, int drawableHeight) const {
    const auto w = static_cast<GLint>(width);
    const auto h = static_cast<GLint>(height);
    const bool sameSize = drawableWidth == w && drawableHeight == h;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer.Get());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, w, h, 0, 0, drawableWidth, drawableHeight, GL_COLOR_BUFFER_BIT,
                      sameSize ? GL_NEAREST : GL_LINEAR);
}

}  // namespace RenderInterface
