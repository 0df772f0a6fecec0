// The two sky cube maps, looked up by direction with OpenGL's cube-map selection rule (major
// axis, then the face's s and t) written out here as the reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using Math::Vector3;

struct Texel {
    float r = 0, g = 0, b = 0;
    float Luminance() const { return 0.2126f * r + 0.7152f * g + 0.0722f * b; }
};

// OpenGL's table: the major axis picks the face, the other two components give sc, tc.
Texel Lookup(const Assets::CubeMapData& sky, const Vector3& d) {
    const float ax = std::fabs(d.x), ay = std::fabs(d.y), az = std::fabs(d.z);
    int face;
    float sc, tc, ma;
    if (ax >= ay && ax >= az) {
        face = d.x > 0 ? 0 : 1, ma = ax, sc = d.x > 0 ? -d.z : d.z, tc = -d.y;
    } else if (ay >= az) {
        face = d.y > 0 ? 2 : 3, ma = ay, sc = d.x, tc = d.y > 0 ? d.z : -d.z;
    } else {
        face = d.z > 0 ? 4 : 5, ma = az, sc = d.z > 0 ? d.x : -d.x, tc = -d.y;
    }
    const float s = 0.5f * (sc / ma + 1.0f), t = 0.5f * (tc / ma + 1.0f);
    const auto column = std::min<std::uint32_t>(sky.size - 1, static_cast<std::uint32_t>(s * sky.size));
    const auto row = std::min<std::uint32_t>(sky.size - 1, static_cast<std::uint32_t>(t * sky.size));
    const std::uint8_t* p = &sky.faces[face][(static_cast<size_t>(row) * sky.size + column) * 4];
    return Texel{float(p[0]), float(p[1]), float(p[2])};
}

Assets::CubeMapData LoadSky(const char* file) {
    Assets::Bytes bytes;
    Assets::CubeMapData sky;
    std::string error;
    EXPECT_TRUE(Assets::ReadFileBytes(ResourcePath(std::string("textures/") + file), bytes, error)) << error;
    EXPECT_TRUE(Assets::ReadCubeMapDds(bytes, sky, error)) << error;
    return sky;
}

Vector3 Unit(float x, float y, float z) { return Math::Normalized(Vector3(x, y, z)); }

class SkyMapTest : public ::testing::TestWithParam<const char*> {};

// Seen from inside, the six faces join into one picture: texels just either side of each of the
// twelve cube edges match closely. A face stored flipped or turned breaks this along its edges.
TEST_P(SkyMapTest, FacesJoinSeamlesslyAtTheirEdges) {
    const Assets::CubeMapData sky = LoadSky(GetParam());
    ASSERT_GE(sky.size, 64u);
    const float step = 1.5f / static_cast<float>(sky.size);
    double difference = 0.0, variation = 0.0;
    int samples = 0;
    // Each edge: the two axes it lies between (signs) and the axis it runs along.
    for (int along = 0; along < 3; ++along) {
        for (float first : {-1.0f, 1.0f}) {
            for (float second : {-1.0f, 1.0f}) {
                for (float u = -0.9f; u <= 0.9f; u += 0.05f) {
                    float base[3], across[3] = {0, 0, 0};
                    const int a = (along + 1) % 3, b = (along + 2) % 3;
                    base[along] = u, base[a] = first, base[b] = second;
                    across[a] = first, across[b] = -second;  // moves from face a's side to face b's
                    auto at = [&](float offset) {
                        return Lookup(sky, Unit(base[0] + across[0] * offset, base[1] + across[1] * offset,
                                                base[2] + across[2] * offset));
                    };
                    const Texel one = at(step), other = at(-step), far = at(12.0f * step);
                    difference += std::fabs(one.r - other.r) + std::fabs(one.g - other.g) + std::fabs(one.b - other.b);
                    variation += std::fabs(one.r - far.r) + std::fabs(one.g - far.g) + std::fabs(one.b - far.b);
                    ++samples;
                }
            }
        }
    }
    EXPECT_LT(difference / samples, 12.0) << "neighbouring texels across the edges differ too much";
    EXPECT_LT(difference, variation) << "edges differ more than the sky varies nearby";
}

INSTANTIATE_TEST_SUITE_P(BothSkies, SkyMapTest, ::testing::Values("CubeMap.dds", "CitySkybox.dds"));

// The day sky's sun stands where the scene's light comes from: the light travels along (0, -1, 1),
// so the brightest spot of the sky is towards (0, 1, -1).
TEST(DaySkyTest, SunStandsWhereTheLightComesFrom) {
    const Assets::CubeMapData sky = LoadSky("CubeMap.dds");
    const Vector3 sun = Unit(0.0f, 1.0f, -1.0f);
    const float sunLight = Lookup(sky, sun).Luminance();
    for (float x = -1.0f; x <= 1.0f; x += 0.1f)
        for (float y = -1.0f; y <= 1.0f; y += 0.1f)
            for (float z = -1.0f; z <= 1.0f; z += 0.1f) {
                const Vector3 d = Unit(x, y, z);
                if (Math::Length(Vector3(x, y, z)) < 0.5f || Math::Dot(d, sun) > std::cos(0.05f)) continue;
                EXPECT_LT(Lookup(sky, d).Luminance(), sunLight) << "(" << x << ", " << y << ", " << z << ")";
            }
    EXPECT_GT(sunLight, 240.0f);
}

// The clear sky at an elevation (radians): the median blueness (blue minus red) and luminance of
// texels all round, so that scattered clouds do not decide it.
struct SkyBand {
    float blueness = 0.0f, luminance = 0.0f;
};

SkyBand Band(const Assets::CubeMapData& sky, float elevation) {
    std::vector<float> blueness, luminance;
    for (int k = 0; k < 180; ++k) {
        const float azimuth = 6.2831853f * k / 180.0f;
        const Texel t = Lookup(sky, Vector3(std::cos(elevation) * std::cos(azimuth), std::sin(elevation),
                                            std::cos(elevation) * std::sin(azimuth)));
        blueness.push_back(t.b - t.r);
        luminance.push_back(t.Luminance());
    }
    std::nth_element(blueness.begin(), blueness.begin() + 90, blueness.end());
    std::nth_element(luminance.begin(), luminance.begin() + 90, luminance.end());
    return SkyBand{blueness[90], luminance[90]};
}

// Deep blue high up, paler towards the horizon, darker below it (where the floor's haze is).
TEST(DaySkyTest, GradesFromHorizonToZenith) {
    const Assets::CubeMapData sky = LoadSky("CubeMap.dds");
    const SkyBand high = Band(sky, 1.3f), horizon = Band(sky, 0.03f), below = Band(sky, -0.6f);
    EXPECT_GT(high.blueness, 60.0f) << "the sky overhead is not blue";
    EXPECT_GT(high.blueness, horizon.blueness + 20.0f) << "the horizon is not paler than the sky overhead";
    EXPECT_GT(horizon.luminance, high.luminance);
    EXPECT_LT(below.luminance, horizon.luminance);
}

// Dusk over the city: warm lit windows along the skyline, dark streets below, a darker sky overhead.
TEST(CitySkyTest, ShowsLitWindowsOverDarkStreets) {
    const Assets::CubeMapData sky = LoadSky("CitySkybox.dds");
    int windows = 0;
    for (int k = 0; k < 2000; ++k) {
        const float azimuth = 6.2831853f * k / 2000.0f;
        for (float elevation = 0.01f; elevation < 0.3f; elevation += 0.004f) {
            const Texel t = Lookup(sky, Unit(std::sin(azimuth), std::tan(elevation), std::cos(azimuth)));
            windows += (t.r > 150.0f && t.r > t.b + 60.0f) ? 1 : 0;
        }
    }
    EXPECT_GT(windows, 1000);
    EXPECT_LT(Lookup(sky, Vector3(0.0f, -1.0f, 0.0f)).Luminance(), 40.0f);
    EXPECT_LT(Lookup(sky, Vector3(0.0f, 1.0f, 0.0f)).Luminance(), Lookup(sky, Unit(0.0f, 0.2f, -1.0f)).Luminance());
}

}  // namespace
}  // namespace AssetTests
