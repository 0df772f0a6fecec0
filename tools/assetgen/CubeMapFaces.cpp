#include <algorithm>
#include <cmath>

#include "Sky.h"

namespace AssetGen {

using Math::Vector3;

namespace {

std::uint8_t ToSrgb(float linear) {
    const float c = std::clamp(linear, 0.0f, 1.0f);
    const float encoded = c <= 0.0031308f ? 12.92f * c : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
    return static_cast<std::uint8_t>(std::lround(encoded * 255.0f));
}

}  // namespace

Vector3 CubeFaceDirection(int face, float s, float t) {
    const float sc = 2.0f * s - 1.0f;
    const float tc = 2.0f * t - 1.0f;
    switch (face) {
        case 0:
            return Vector3(1.0f, -tc, -sc);
        case 1:
            return Vector3(-1.0f, -tc, sc);
        case 2:
            return Vector3(sc, 1.0f, tc);
        case 3:
            return Vector3(sc, -1.0f, -tc);
        case 4:
            return Vector3(sc, -tc, 1.0f);
        default:
            return Vector3(-sc, -tc, -1.0f);
    }
}

Assets::CubeMapData RenderCubeMap(std::uint32_t size, const SkyShader& shader) {
    Assets::CubeMapData cubeMap;
    cubeMap.size = size;
    const float n = static_cast<float>(size);
    for (int face = 0; face < 6; ++face) {
        Assets::Bytes& pixels = cubeMap.faces[face];
        pixels.resize(static_cast<size_t>(size) * size * 4);
        for (std::uint32_t row = 0; row < size; ++row) {
            for (std::uint32_t column = 0; column < size; ++column) {
                const Vector3 direction = Math::Normalized(
                    CubeFaceDirection(face, (static_cast<float>(column) + 0.5f) / n, (static_cast<float>(row) + 0.5f) / n));
                const Vector3 color = shader(direction);
                std::uint8_t* texel = &pixels[(static_cast<size_t>(row) * size + column) * 4];
                texel[0] = ToSrgb(color.x);
                texel[1] = ToSrgb(color.y);
                texel[2] = ToSrgb(color.z);
                texel[3] = 255;
            }
        }
    }
    return cubeMap;
}

}  // namespace AssetGen
