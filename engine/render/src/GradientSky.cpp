#include "GradientSky.h"

#include <algorithm>
#include <cmath>

#include "SkyHarmonics.h"

namespace RenderInterface {
namespace {

// Linear radiance.
const Math::Vector3 Zenith(0.06f, 0.16f, 0.45f);
const Math::Vector3 Horizon(0.30f, 0.40f, 0.55f);
const Math::Vector3 Ground(0.12f, 0.11f, 0.10f);

Math::Vector3 SkyAlong(const Math::Vector3& direction) {
    const float up = direction.y;
    if (up >= 0.0f) return Math::Lerp(Horizon, Zenith, std::sqrt(up));
    return Math::Lerp(Horizon, Ground, std::min(-up * 6.0f, 1.0f));
}

std::uint8_t EncodeSrgb(float linear) {
    const float c = std::clamp(linear, 0.0f, 1.0f);
    const float encoded = c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
    return static_cast<std::uint8_t>(std::lround(encoded * 255.0f));
}

}  // namespace

Assets::CubeMapData MakeGradientSky(std::uint32_t size) {
    Assets::CubeMapData sky;
    sky.size = size;
    for (int face = 0; face < 6; ++face) {
        Assets::Bytes& texels = sky.faces[static_cast<std::size_t>(face)];
        texels.reserve(std::size_t{size} * size * 4);
        for (std::uint32_t row = 0; row < size; ++row) {
            for (std::uint32_t column = 0; column < size; ++column) {
                const Math::Vector3 radiance = SkyAlong(
                    CubeMapTexelDirection(face, static_cast<float>(row), static_cast<float>(column), size));
                texels.insert(texels.end(),
                              {EncodeSrgb(radiance.x), EncodeSrgb(radiance.y), EncodeSrgb(radiance.z), 255});
            }
        }
    }
    return sky;
}

}  // namespace RenderInterface
