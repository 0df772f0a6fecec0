#include "Noise.h"

#include <cmath>

namespace AssetGen {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(Hash(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float ValueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    const float tx = x - fx, ty = y - fy;
    const float sx = tx * tx * (3.0f - 2.0f * tx), sy = ty * ty * (3.0f - 2.0f * ty);
    const float a = HashUnit(ix, iy, seed), b = HashUnit(ix + 1, iy, seed);
    const float c = HashUnit(ix, iy + 1, seed), d = HashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float FractalNoise(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0.0f, weight = 0.5f, total = 0.0f, frequency = 1.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x * frequency, y * frequency, seed + static_cast<std::uint32_t>(octave)) * weight;
        total += weight;
        weight *= 0.5f;
        frequency *= 2.0f;
    }
    return sum / total;
}

}  // namespace AssetGen
