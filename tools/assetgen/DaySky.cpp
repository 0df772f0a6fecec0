// The daytime sky: a gradient from a pale horizon to a deep zenith, a hazy lower hemisphere that
// meets the floor's fog, drifting cumulus, and the sun with its glow. Colours are linear and
// moderate: the renderer brightens the sky box and tone-maps it, and lights models with it.
#include <cmath>

#include "Noise.h"
#include "Easing.h"
#include "Sky.h"

namespace AssetGen {

using Math::Vector3;

namespace {

const Vector3 kZenith(0.045f, 0.14f, 0.42f);
const Vector3 kHorizon(0.34f, 0.44f, 0.58f);
const Vector3 kHaze(0.24f, 0.25f, 0.25f);
const Vector3 kSunColor(1.0f, 0.97f, 0.9f);
const Vector3 kGlowColor(1.0f, 0.8f, 0.5f);
constexpr std::uint32_t kCloudSeed = 7;
// The sun's disc, a little larger than the real one so it reads at sky-box resolution.
const float kSunDiscCosine = std::cos(0.03f);


Vector3 DaySkyColor(const Vector3& d) {
    const float elevation = d.y;
    Vector3 color = Math::Lerp(kHorizon, kZenith, std::pow(std::max(elevation, 0.0f), 0.55f));
    if (elevation < 0.0f) {
        color = Math::Lerp(kHorizon * 0.95f, kHaze, SmoothStep(0.0f, -0.3f, elevation));
    }

    const float sunCosine = Math::Dot(d, SunDirection());
    const float facing = std::max(sunCosine, 0.0f);
    color += kGlowColor * (0.5f * std::pow(facing, 300.0f) + 0.08f * std::pow(facing, 16.0f));

    if (elevation > 0.0f) {
        // Clouds on a flat layer overhead, thinning towards the horizon.
        const float reach = 1.0f / (elevation + 0.12f);
        const float u = d.x * reach * 1.6f, v = d.z * reach * 1.6f;
        const float density = FractalNoise(u, v, 5, kCloudSeed);
        const float cover = SmoothStep(0.56f, 0.8f, density) * SmoothStep(0.02f, 0.25f, elevation);
        const float shade = FractalNoise(u + 3.7f, v - 1.3f, 3, kCloudSeed + 11);
        Vector3 cloud = Math::Lerp(Vector3(0.36f, 0.39f, 0.45f), Vector3(0.62f, 0.63f, 0.65f), 0.3f + 0.7f * shade);
        cloud += kGlowColor * (0.25f * std::pow(facing, 6.0f));
        color = Math::Lerp(color, cloud, cover * 0.85f);
    }

    if (sunCosine > kSunDiscCosine) {
        color = kSunColor;
    }
    return color;
}

}  // namespace

Vector3 SunDirection() { return Math::Normalized(Vector3(0.0f, 1.0f, -1.0f)); }

Assets::CubeMapData BuildDaySky() { return RenderCubeMap(kSkyFaceSize, DaySkyColor); }

}  // namespace AssetGen
