#pragma once
// The two sky cube maps, painted texel by texel from the direction each texel is seen in.
#include <cstdint>
#include <functional>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetGen {

// Faces are made at this size; large enough for a crisp sun and skyline, small enough that the
// build writes them quickly.
constexpr std::uint32_t kSkyFaceSize = 512;

// Direction of face f (+x, -x, +y, -y, +z, -z) at face coordinates s, t in [0, 1] (s across the
// stored row, t down the rows), as OpenGL samples a cube map.
Math::Vector3 CubeFaceDirection(int face, float s, float t);

// A linear-light colour for a unit direction.
using SkyShader = std::function<Math::Vector3(const Math::Vector3& direction)>;
// Every texel shaded at its centre and stored as sRGB RGBA8.
Assets::CubeMapData RenderCubeMap(std::uint32_t size, const SkyShader& shader);

// Daytime: blue gradient, soft clouds and the sun up along (0, 1, -1), where the scene's light
// (travelling along (0, -1, 1)) comes from.
Assets::CubeMapData BuildDaySky();
// Dusk over a city skyline with lit windows.
Assets::CubeMapData BuildDuskCitySky();

// Where the sun is in the day sky.
Math::Vector3 SunDirection();

}  // namespace AssetGen
