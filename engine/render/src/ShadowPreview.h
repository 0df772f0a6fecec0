#pragma once
// The shadow map shown in the bottom-left corner of the frame, for tuning shadows by eye.
#include "ShaderProgram.h"
#include "ShadowMap.h"

namespace RenderInterface {

class ShadowPreview {
public:
    ShadowPreview();
    void Draw(const ShadowMap& shadowMap, unsigned targetWidth, unsigned targetHeight) const;

private:
    ShaderProgram program;
    GLint rect, depth;
    GlVertexArray noVertices;
};

}  // namespace RenderInterface
