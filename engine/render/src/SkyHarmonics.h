#pragma once
// The light of a sky cube map as nine spherical-harmonic coefficients (bands 0 to 2). They stand
// for the sky's broad shape, enough for ambient light and the colour of fog along the horizon,
// and the shader evaluates them with a few multiply-adds instead of blurred cube-map lookups
// (which cost a software rasteriser dearly).
#include <array>

#include <Assets/Formats.h>

namespace RenderInterface {

// Linear radiance coefficients in the order Y00, Y1-1, Y10, Y11, Y2-2, Y2-1, Y20, Y21, Y22 of
// the real basis with y, z, x as usual for Y1-1, Y10, Y11.
using SkyHarmonics = std::array<Math::Vector3, 9>;

// Projects the cube map's radiance (sRGB texels decoded to linear) onto the basis, each texel
// weighted by the solid angle it covers.
SkyHarmonics ProjectCubeMap(const Assets::CubeMapData& cubeMap);

// The world-space direction through the centre of a texel, by OpenGL's cube-map table.
Math::Vector3 CubeMapTexelDirection(int face, float row, float column, std::uint32_t size);

}  // namespace RenderInterface
