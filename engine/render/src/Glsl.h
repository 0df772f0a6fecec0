#pragma once
// GLSL sources of the renderer's programs. Each program is put together from pieces after the
// common "#version 330 core" line (see ShaderProgram); the pieces document their uniforms.
namespace RenderInterface {
namespace Glsl {

extern const char* const SkinnedDefine;  // "#define SKINNED": the skinned variant of the model vertex stage
extern const char* const SrgbDecode;     // sRGB colour to linear
extern const char* const Display;        // exposure and filmic tone curve to linear display values
extern const char* const Sky;            // sky radiance from the cube map or a gradient
extern const char* const ModelVertex;    // static or skinned vertices to world and clip space
extern const char* const ModelFragment;  // lit, shadowed, fogged surface colour
extern const char* const DepthFragment;  // shadow map: depth only
extern const char* const SkyVertex;      // a triangle covering the screen at the far plane
extern const char* const SkyFragment;
extern const char* const LineVertex;     // debug lines
extern const char* const LineFragment;
extern const char* const PreviewVertex;  // the shadow map shown in a corner
extern const char* const PreviewFragment;

}  // namespace Glsl
}  // namespace RenderInterface
