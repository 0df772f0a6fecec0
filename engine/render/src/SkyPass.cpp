#include "SkyPass.h"

#include "Glsl.h"

namespace RenderInterface {

SkyPass::SkyPass()
    : program("sky", {Glsl::SkyVertex}, {Glsl::Display, Glsl::Sky, Glsl::SkyFragment}),
      look(program),
      rayMatrix(program.Uniform("uRayMatrix")),
      farDepth(program.Uniform("uFarDepth")),
      noVertices(MakeVertexArray()) {}

void SkyPass::Draw(const FrameContext& frame) const {
    if (!program.Use()) return;
    look.Set(frame);
    glUniformMatrix4fv(rayMatrix, 1, GL_TRUE, frame.view.rayMatrix.m);
    glUniform1f(farDepth, frame.depth.Far());
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(frame.depth.NearerOrEqual());
    glDepthMask(GL_FALSE);
    glBindVertexArray(noVertices.Get());
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glDepthMask(GL_TRUE);
    glDepthFunc(frame.depth.Nearer());
}

}  // namespace RenderInterface
