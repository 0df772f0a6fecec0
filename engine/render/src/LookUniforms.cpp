#include "LookUniforms.h"

namespace RenderInterface {

LookUniforms::LookUniforms(const ShaderProgram& program)
    : exposure(program.Uniform("uExposure")),
      toneMapping(program.Uniform("uToneMapping")),
      sky(program.Uniform("uSky")),
      skyHarmonics(program.Uniform("uSkyHarmonics")),
      skyStrength(program.Uniform("uSkyStrength")) {}

void LookUniforms::Set(const FrameContext& frame) const {
    const RenderSettings& settings = *frame.settings;
    glUniform1f(exposure, settings.exposure);
    glUniform1i(toneMapping, settings.toneMappingEnabled != 0);
    glUniform1i(sky, static_cast<GLint>(TextureUnit::Sky));
    static_assert(sizeof(Math::Vector3) == 3 * sizeof(float), "harmonics are uploaded as packed vec3s");
    glUniform3fv(skyHarmonics, 9, &frame.sky->Harmonics()[0].x);
    glUniform1f(skyStrength, settings.skyStrength);
    frame.sky->Bind(TextureUnit::Sky);
}

}  // namespace RenderInterface
