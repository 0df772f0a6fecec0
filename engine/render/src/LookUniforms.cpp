#include "LookUniforms.h"

namespace RenderInterface {

LookUniforms::LookUniforms(const ShaderProgram& program)
    : exposure(program.Uniform("uExposure")),
      toneMapping(program.Uniform("uToneMapping")),
      sky(program.Uniform("uSky")),
      hasSky(program.Uniform("uHasSky")),
      skyStrength(program.Uniform("uSkyStrength")) {}

void LookUniforms::Set(const FrameContext& frame) const {
    const RenderSettings& settings = *frame.settings;
    glUniform1f(exposure, settings.exposure);
    glUniform1i(toneMapping, settings.toneMappingEnabled != 0);
    glUniform1i(sky, static_cast<GLint>(TextureUnit::Sky));
    glUniform1i(hasSky, frame.sky != nullptr);
    glUniform1f(skyStrength, settings.skyStrength);
    if (frame.sky != nullptr) frame.sky->Bind(TextureUnit::Sky);
}

}  // namespace RenderInterface
