#include "RenderTarget.h"

#include <algorithm>
#include <cstdio>

namespace RenderInterface {

RenderTarget::RenderTarget(unsigned width, unsigned height)
    : framebuffer(MakeFramebuffer()), color(MakeRenderbuffer()), depthStencil(MakeRenderbuffer()) {
    Resize(width, height);
}

void RenderTarget::Resize(unsigned newWidth, unsigned newHeight) {
    width = std::max(newWidth, 1u);
    height = std::max(newHeight, 1u);
    const auto w = static_cast<GLsizei>(width);
    const auto h = static_cast<GLsizei>(height);

    glBindRenderbuffer(GL_RENDERBUFFER, color.Get());
    glRenderbufferStorage(GL_RENDERBUFFER, GL_SRGB8_ALPHA8, w, h);
    glBindRenderbuffer(GL_RENDERBUFFER, depthStencil.Get());
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, w, h);
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
