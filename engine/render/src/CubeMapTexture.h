#pragma once
// A sky cube map on the GPU: sRGB texels (sampled as linear radiance), a full mip chain for the
// blurred look-ups of ambient light and fog, and seamless filtering across faces.
//
// Face i of the data goes to GL_TEXTURE_CUBE_MAP_POSITIVE_X + i as stored, first row first, so
// the texel for a world-space direction is the one the cube-map tables of OpenGL name.
#include <Assets/Formats.h>

#include "GlObjects.h"

namespace RenderInterface {

class CubeMapTexture {
public:
    explicit CubeMapTexture(const Assets::CubeMapData& cubeMap);

    void Bind(GLuint unit) const;
    // The level whose faces are a few texels across: a soft average of the sky around a direction.
    float BlurryLevel() const { return blurryLevel; }

private:
    GlTexture texture;
    float blurryLevel = 0.0f;
};

}  // namespace RenderInterface
