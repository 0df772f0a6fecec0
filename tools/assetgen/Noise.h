#pragma once
// Deterministic hashing and value noise for the procedural textures (no global random state,
// so every run produces the same bytes).
#include <cstdint>

namespace AssetGen {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);
// A value in [0, 1) from a lattice point.
float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Smoothly interpolated lattice noise in [0, 1).
float ValueNoise(float x, float y, std::uint32_t seed);
// Sum of `octaves` layers of value noise, each twice the frequency and half the weight; in [0, 1).
float FractalNoise(float x, float y, int octaves, std::uint32_t seed);

}  // namespace AssetGen
