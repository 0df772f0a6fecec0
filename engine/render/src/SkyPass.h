#pragma once
// The sky behind everything: one triangle over the screen at the far plane, drawn after the
// models so that only uncovered pixels pay for it.
#include "FrameContext.h"
#include "LookUniforms.h"
#include "ShaderProgram.h"

namespace RenderInterface {

class SkyPass {
public:
    SkyPass();
    void Draw(const FrameContext& frame) const;

private:
    ShaderProgram program;
    LookUniforms look;
    GLint rayMatrix;
    GLint farDepth;
    GlVertexArray noVertices;  // the triangle comes from gl_VertexID; core profiles still want a VAO
};

}  // namespace RenderInterface
