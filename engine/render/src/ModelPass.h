#pragma once
// Draws the frame's models: lit and shadowed into the frame, or as depth into the shadow map.
// Each has a static and a skinned program; a mesh's own layout chooses between them.
#include <vector>

#include "FrameContext.h"
#include "LookUniforms.h"
#include "ShaderProgram.h"

namespace RenderInterface {

class ModelPass {
public:
    ModelPass();

    void DrawShadowCasters(const std::vector<DrawItem>& items, const Math::Matrix4& lightViewProjection) const;
    void DrawLit(const std::vector<DrawItem>& items, const FrameContext& frame) const;

private:
    // Locations every model program has: placing the mesh and skinning it.
    struct PlacementUniforms {
        explicit PlacementUniforms(const ShaderProgram& program);
        void Set(const DrawItem& item) const;
        GLint world, normalMatrix, bones, boneOffset, boneCount;
    };

    struct DepthProgram {
        DepthProgram(const char* name, bool skinned);
        ShaderProgram program;
        PlacementUniforms placement;
        GLint viewProjection;
    };

    struct LitProgram {
        LitProgram(const char* name, bool skinned);
        void SetFrame(const FrameContext& frame) const;
        ShaderProgram program;
        PlacementUniforms placement;
        LookUniforms look;
        GLint viewProjection, eye, toLight, lightRadiance, ambientStrength, diffuseStrength, specularStrength,
            fogDensity, shadows, shadowMap, shadowMatrix, shadowBias, shadowRadius, normalOffset;
    };

    DepthProgram staticDepth;
    DepthProgram skinnedDepth;
    LitProgram staticLit;
    LitProgram skinnedLit;
};

}  // namespace RenderInterface
