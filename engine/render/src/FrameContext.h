#pragma once
// What the passes of one frame share, gathered once at the start of Render.
#include <vector>

#include <RenderInterface/RenderConfig.h>

#include "CubeMapTexture.h"
#include "FrameView.h"
#include "GpuMesh.h"

namespace RenderInterface {

// Texture units, fixed for every program.
namespace TextureUnit {
constexpr GLuint Sky = 0;
constexpr GLuint ShadowMap = 1;
constexpr GLuint Bones = 2;
constexpr GLuint Preview = 3;
}  // namespace TextureUnit

// One model to draw: its mesh, where it stands and, when skinned, where its matrices are.
struct DrawItem {
    const GpuMesh* mesh = nullptr;
    Math::Matrix4 world;
    float normalMatrix[9] = {};  // inverse transpose of the world matrix's 3x3, column-major
    int boneOffset = 0;
    int boneCount = 0;           // 0: bind pose
};

struct FrameContext {
    FrameView view;
    DepthConvention depth;
    bool hasLight = false;
    Math::Vector3 toLight;          // unit vector towards the light
    Math::Vector3 lightRadiance;    // colour times strength
    const CubeMapTexture* sky = nullptr;  // the named cube map, or the gradient sky
    bool shadows = false;
    Math::Matrix4 shadowMatrix;     // world to shadow-map texture coordinates and depth
    float shadowRadius = 0.0f;      // filter radius in shadow-map texture coordinates
    float shadowNormalOffset = 0.0f;
    const RenderSettings* settings = nullptr;
};

}  // namespace RenderInterface
