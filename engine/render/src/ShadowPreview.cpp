#include "ShadowPreview.h"

#include <algorithm>

#include "FrameContext.h"
#include "Glsl.h"

namespace RenderInterface {

ShadowPreview::ShadowPreview()
    : program("shadow preview", {Glsl::PreviewVertex}, {Glsl::PreviewFragment}),
      rect(program.Uniform("uRect")),
      depth(program.Uniform("uDepth")),
      noVertices(MakeVertexArray()) {}

void ShadowPreview::Draw(const ShadowMap& shadowMap, unsigned targetWidth, unsigned targetHeight) const {
    if (!program.Use()) return;
    // A square a third of the frame's height, in normalised device coordinates.
    const float side = std::min(targetWidth, targetHeight) / 3.0f;
    glUniform4f(rect, -1.0f, -1.0f, 2.0f * side / static_cast<float>(targetWidth),
                2.0f * side / static_cast<float>(targetHeight));
    glUniform1i(depth, static_cast<GLint>(TextureUnit::Preview));
    shadowMap.BindForPreview(TextureUnit::Preview);
    glDisable(GL_DEPTH_TEST);
    glBindVertexArray(noVertices.Get());
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    shadowMap.BindForShadowTests(TextureUnit::ShadowMap);
}

}  // namespace RenderInterface
