#include "SkyPass.h"

#include "Glsl.h"

namespace RenderInterface {

SkyPass::SkyPass()
    : program("sky", {Glsl::SkyVertex}, {Glsl::Display, Glsl::Sky, Glsl::SkyFragment}),
      look(program),
      rayMatrix(program.Uniform("uRayMatrix")),
      noVertices(MakeVertexArray()) {}

void SkyPass::Draw(const FrameContext& frame) const {
    if (!program.Use()) return;
    look.Set(frame);
    glUniformMatrix4fv(rayMatrix, 1, GL_TRUE, frame.view.rayMatrix.m);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glBindVertexArray(noVertices.Get());
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
}

}  // namespace RenderInterface
