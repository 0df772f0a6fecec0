#pragma once
// A sky cube map on the GPU: sRGB texels (sampled as linear radiance), filtered seamlessly
// across faces, with the spherical harmonics of its light for ambient and fog. A sky box shows
// its texels at about their own size, so it has no mipmaps.
//
// Face i of the data goes to GL_TEXTURE_CUBE_MAP_POSITIVE_X + i as stored, first row first, so
// the texel for a world-space direction is the one the cube-map tables of OpenGL name.
#include <Assets/Formats.h>

#include "GlObjects.h"
#include "SkyHarmonics.h"

namespace RenderInterface {

class CubeMapTexture {
public:
    explicit CubeMapTexture(const Assets::CubeMapData& cubeMap);

    void Bind(GLuint unit) const;
    const SkyHarmonics& Harmonics() const { return harmonics; }

private:
    GlTexture texture;
    SkyHarmonics harmonics;
};

}  // namespace RenderInterface
