#include "ModelPass.h"

#include "Glsl.h"

namespace RenderInterface {
namespace {

// Fog grows with the fourth power of distance: the scene within a few hundred units of the
// camera stays clear, while ground well over a thousand units away fades into the horizon.
constexpr float FogDensity = 1.0f / 1300.0f;

const char* VariantDefine(bool skinned) { return skinned ? Glsl::SkinnedDefine : ""; }

void SetMatrix(GLint location, const Math::Matrix4& m) { glUniformMatrix4fv(location, 1, GL_TRUE, m.m); }

void SetVector(GLint location, const Math::Vector3& v) { glUniform3f(location, v.x, v.y, v.z); }

}  // namespace

ModelPass::PlacementUniforms::PlacementUniforms(const ShaderProgram& program)
    : world(program.Uniform("uWorld")),
      normalMatrix(program.Uniform("uNormalMatrix")),
      bones(program.Uniform("uBones")),
      boneOffset(program.Uniform("uBoneOffset")),
      boneCount(program.Uniform("uBoneCount")) {}

void ModelPass::PlacementUniforms::Set(const DrawItem& item) const {
    SetMatrix(world, item.world);
    glUniformMatrix3fv(normalMatrix, 1, GL_FALSE, item.normalMatrix);
    glUniform1i(bones, static_cast<GLint>(TextureUnit::Bones));
    glUniform1i(boneOffset, item.boneOffset);
    glUniform1i(boneCount, item.boneCount);
}

ModelPass::DepthProgram::DepthProgram(const char* name, bool skinned)
    : program(name, {VariantDefine(skinned), Glsl::SrgbDecode, Glsl::ModelVertex}, {Glsl::DepthFragment}),
      placement(program),
      viewProjection(program.Uniform("uViewProjection")) {}

ModelPass::LitProgram::LitProgram(const char* name, bool skinned)
    : program(name, {VariantDefine(skinned), Glsl::SrgbDecode, Glsl::ModelVertex},
              {Glsl::Display, Glsl::Sky, Glsl::ModelFragment}),
      placement(program),
      look(program),
      viewProjection(program.Uniform("uViewProjection")),
      eye(program.Uniform("uEye")),
      toLight(program.Uniform("uToLight")),
      lightRadiance(program.Uniform("uLightRadiance")),
      ambientStrength(program.Uniform("uAmbientStrength")),
      diffuseStrength(program.Uniform("uDiffuseStrength")),
      specularStrength(program.Uniform("uSpecularStrength")),
      fogDensity(program.Uniform("uFogDensity")),
      shadows(program.Uniform("uShadows")),
      shadowMap(program.Uniform("uShadowMap")),
      shadowMatrix(program.Uniform("uShadowMatrix")),
      shadowBias(program.Uniform("uShadowBias")),
      shadowRadius(program.Uniform("uShadowRadius")),
      normalOffset(program.Uniform("uNormalOffset")) {}

void ModelPass::LitProgram::SetFrame(const FrameContext& frame) const {
    const RenderSettings& settings = *frame.settings;
    look.Set(frame);
    SetMatrix(viewProjection, frame.view.viewProjection);
    SetVector(eye, frame.view.eye);
    SetVector(toLight, frame.toLight);
    SetVector(lightRadiance, frame.hasLight ? frame.lightRadiance : Math::Vector3::zero);
    glUniform1f(ambientStrength, settings.ambientStrength);
    glUniform1f(diffuseStrength, settings.diffuseStrength);
    glUniform1f(specularStrength, settings.specularStrength);
    glUniform1f(fogDensity, FogDensity);
    glUniform1i(shadows, frame.shadows);
    glUniform1i(shadowMap, static_cast<GLint>(TextureUnit::ShadowMap));
    SetMatrix(shadowMatrix, frame.shadowMatrix);
    glUniform1f(shadowBias, settings.shadowBias);
    glUniform1f(shadowRadius, frame.shadowRadius);
    glUniform1f(normalOffset, frame.shadowNormalOffset);
}

ModelPass::ModelPass()
    : staticDepth("static shadow caster", false),
      skinnedDepth("skinned shadow caster", true),
      staticLit("static model", false),
      skinnedLit("skinned model", true) {}

void ModelPass::DrawShadowCasters(const std::vector<DrawItem>& items, const Math::Matrix4& lightViewProjection) const {
    for (const DepthProgram* variant : {&staticDepth, &skinnedDepth}) {
        if (!variant->program.Use()) continue;
        SetMatrix(variant->viewProjection, lightViewProjection);
        const bool skinned = variant == &skinnedDepth;
        for (const DrawItem& item : items) {
            if (item.mesh->Skinned() != skinned) continue;
            variant->placement.Set(item);
            item.mesh->Draw();
        }
    }
}

void ModelPass::DrawLit(const std::vector<DrawItem>& items, const FrameContext& frame) const {
    for (const LitProgram* variant : {&staticLit, &skinnedLit}) {
        if (!variant->program.Use()) continue;
        variant->SetFrame(frame);
        const bool skinned = variant == &skinnedLit;
        for (const DrawItem& item : items) {
            if (item.mesh->Skinned() != skinned) continue;
            variant->placement.Set(item);
            item.mesh->Draw();
        }
    }
}

}  // namespace RenderInterface
