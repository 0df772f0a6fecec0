#pragma once
// The uniforms of the shared display and sky pieces (Glsl::Display, Glsl::Sky), set the same way
// in every program that uses them.
#include "FrameContext.h"
#include "ShaderProgram.h"

namespace RenderInterface {

class LookUniforms {
public:
    explicit LookUniforms(const ShaderProgram& program);
    // Sets them on the program in use and binds the sky's cube map.
    void Set(const FrameContext& frame) const;

private:
    GLint exposure, toneMapping, sky, skyHarmonics, skyStrength;
};

}  // namespace RenderInterface
