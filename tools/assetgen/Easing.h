#pragma once
#include <algorithm>

namespace AssetGen {

// 0 at edge0, 1 at edge1, with zero slope at both ends (edges may be given in either order).
inline float SmoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace AssetGen
