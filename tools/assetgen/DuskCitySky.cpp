// Dusk over a city: an orange horizon fading through violet to a dark zenith with a few stars,
// and two rows of tower blocks around the horizon, the nearer darker, with lit windows.
#include <algorithm>
#include <cmath>

#include "Easing.h"
#include "Noise.h"
#include "Rotations.h"
#include "Sky.h"

namespace AssetGen {

using Math::Vector3;

namespace {

const Vector3 kHorizonGlow(0.55f, 0.2f, 0.06f);
const Vector3 kViolet(0.13f, 0.05f, 0.15f);
const Vector3 kNight(0.012f, 0.014f, 0.045f);
const Vector3 kWindow(0.95f, 0.62f, 0.26f);
const Vector3 kStreet(0.02f, 0.016f, 0.022f);
constexpr std::uint32_t kSkylineSeed = 23;
constexpr std::uint32_t kStarSeed = 31;
// Window grid on the facades: storey height as an elevation angle, windows per block.
constexpr float kStorey = 0.011f;
constexpr float kWindowsAcross = 5.0f;


struct Skyline {
    int blocks;            // around the full horizon
    float lowest, highest; // roof heights as elevation angles
    float towerChance;     // share of blocks that rise much higher
    Vector3 wall;
    float windowGlow;
    std::uint32_t seed;
};

// The colour of a skyline at this direction, or false if the direction passes above its roofs
// or through a gap between blocks.
bool ShadeSkyline(const Skyline& skyline, float azimuth, float elevation, Vector3& color) {
    const float slot = (azimuth / (2.0f * kPi) + 0.5f) * static_cast<float>(skyline.blocks);
    const auto index = static_cast<std::int32_t>(std::floor(slot));
    const float across = slot - std::floor(slot);
    float roof = skyline.lowest + (skyline.highest - skyline.lowest) * HashUnit(index, 0, skyline.seed);
    if (HashUnit(index, 1, skyline.seed) < skyline.towerChance) {
        roof *= 1.9f;
    }
    const bool gap = across < 0.05f && elevation > 0.0f;
    if (elevation > roof || gap) {
        return false;
    }
    color = skyline.wall;
    const float rows = elevation / kStorey;
    const float columns = across * kWindowsAcross;
    const auto row = static_cast<std::int32_t>(std::floor(rows));
    const auto column = static_cast<std::int32_t>(std::floor(columns));
    const bool inPane = rows - std::floor(rows) > 0.4f && columns - std::floor(columns) > 0.35f &&
                        across > 0.1f && across < 0.95f && elevation < roof - kStorey && elevation > 0.004f;
    if (inPane && HashUnit(index * 16 + column, row, skyline.seed + 5) > 0.55f) {
        color = kWindow * (skyline.windowGlow * (0.5f + 0.5f * HashUnit(column, row + index, skyline.seed + 9)));
    }
    return true;
}

Vector3 DuskColor(const Vector3& d) {
    const float elevation = std::asin(std::clamp(d.y, -1.0f, 1.0f));
    const float azimuth = std::atan2(d.x, d.z);

    if (elevation < -0.03f) {
        // The streets below: dark, with the odd lamp.
        const float u = azimuth * 90.0f, v = elevation * 90.0f;
        const bool lamp = HashUnit(static_cast<std::int32_t>(std::floor(u)), static_cast<std::int32_t>(std::floor(v)),
                                   kSkylineSeed + 40) > 0.993f;
        return lamp ? kWindow * 0.25f : kStreet;
    }

    Vector3 sky = Math::Lerp(kHorizonGlow, kViolet, SmoothStep(0.0f, 0.4f, elevation));
    sky = Math::Lerp(sky, kNight, SmoothStep(0.3f, 1.3f, elevation));
    // The sun has just set behind the city towards -z.
    const float sunset = std::max(0.0f, Math::Dot(d, Math::Normalized(Vector3(0.0f, 0.05f, -1.0f))));
    sky += kHorizonGlow * (0.7f * std::pow(sunset, 24.0f));
    if (elevation > 0.45f) {
        // Sparse stars in the darkest part of the sky.
        const float u = azimuth * 120.0f * std::cos(elevation), v = elevation * 120.0f;
        const auto cellU = static_cast<std::int32_t>(std::floor(u)), cellV = static_cast<std::int32_t>(std::floor(v));
        if (HashUnit(cellU, cellV, kStarSeed) > 0.992f) {
            const float du = u - std::floor(u) - 0.5f, dv = v - std::floor(v) - 0.5f;
            sky += Vector3(0.5f, 0.5f, 0.6f) * std::max(0.0f, 1.0f - 6.0f * (du * du + dv * dv));
        }
    }

    const Skyline nearRow{70, 0.07f, 0.24f, 0.15f, Vector3(0.012f, 0.011f, 0.02f), 1.0f, kSkylineSeed};
    const Skyline farRow{130, 0.06f, 0.17f, 0.12f, Vector3(0.07f, 0.035f, 0.07f), 0.45f, kSkylineSeed + 1};
    Vector3 building;
    if (ShadeSkyline(nearRow, azimuth, elevation, building)) {
        return building;
    }
    if (ShadeSkyline(farRow, azimuth, elevation, building)) {
        return Math::Lerp(building, sky, 0.3f);
    }
    return sky;
}

}  // namespace

Assets::CubeMapData BuildDuskCitySky() { return RenderCubeMap(kSkyFaceSize, DuskColor); }

}  // namespace AssetGen
