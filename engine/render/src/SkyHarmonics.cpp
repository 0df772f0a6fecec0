#include "SkyHarmonics.h"

#include <algorithm>
#include <cmath>

namespace RenderInterface {
namespace {

float DecodeSrgb(std::uint8_t value) {
    const float c = static_cast<float>(value) / 255.0f;
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

std::array<float, 9> Basis(const Math::Vector3& d) {
    return {0.282095f,
            0.488603f * d.y,
            0.488603f * d.z,
            0.488603f * d.x,
            1.092548f * d.x * d.y,
            1.092548f * d.y * d.z,
            0.315392f * (3.0f * d.z * d.z - 1.0f),
            1.092548f * d.x * d.z,
            0.546274f * (d.x * d.x - d.y * d.y)};
}

}  // namespace

Math::Vector3 CubeMapTexelDirection(int face, float row, float column, std::uint32_t size) {
    const float sc = 2.0f * (column + 0.5f) / static_cast<float>(size) - 1.0f;
    const float tc = 2.0f * (row + 0.5f) / static_cast<float>(size) - 1.0f;
    switch (face) {
        case 0: return Math::Normalized(Math::Vector3(1.0f, -tc, -sc));
        case 1: return Math::Normalized(Math::Vector3(-1.0f, -tc, sc));
        case 2: return Math::Normalized(Math::Vector3(sc, 1.0f, tc));
        case 3: return Math::Normalized(Math::Vector3(sc, -1.0f, -tc));
        case 4: return Math::Normalized(Math::Vector3(sc, -tc, 1.0f));
        default: return Math::Normalized(Math::Vector3(-sc, -tc, -1.0f));
    }
}

SkyHarmonics ProjectCubeMap(const Assets::CubeMapData& cubeMap) {
    SkyHarmonics coefficients{};
    const std::uint32_t size = cubeMap.size;
    // Every texel of faces up to 64 across, an even sample of larger ones.
    const std::uint32_t step = std::max(1u, size / 64u);
    const float texelSide = 2.0f * static_cast<float>(step) / static_cast<float>(size);
    for (int face = 0; face < 6; ++face) {
        const Assets::Bytes& texels = cubeMap.faces[static_cast<std::size_t>(face)];
        for (std::uint32_t row = step / 2; row < size; row += step) {
            for (std::uint32_t column = step / 2; column < size; column += step) {
                const std::size_t at = (std::size_t{row} * size + column) * 4;
                const Math::Vector3 radiance(DecodeSrgb(texels[at]), DecodeSrgb(texels[at + 1]),
                                             DecodeSrgb(texels[at + 2]));
                // Solid angle of a texel at (sc, tc) on the unit cube's face.
                const float sc = 2.0f * (static_cast<float>(column) + 0.5f) / static_cast<float>(size) - 1.0f;
                const float tc = 2.0f * (static_cast<float>(row) + 0.5f) / static_cast<float>(size) - 1.0f;
                const float solidAngle = texelSide * texelSide / std::pow(1.0f + sc * sc + tc * tc, 1.5f);
                const std::array<float, 9> basis =
                    Basis(CubeMapTexelDirection(face, static_cast<float>(row), static_cast<float>(column), size));
                for (std::size_t i = 0; i < 9; ++i) coefficients[i] += radiance * (basis[i] * solidAngle);
            }
        }
    }
    return coefficients;
}

}  // namespace RenderInterface
