// The day sky, looked up by direction with OpenGL's cube-map selection rule (major axis,
// then the face's s and t) written out here as the reference.
#include "AssetTestSupport.h"

using namespace AssetTests;

namespace {

// The colour (r, g, b) of the texel a direction selects.
Vector3 Lookup(const Assets::CubeMapData& sky, const Vector3& d) {
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
    const auto cell = [&](float c) { return std::min(sky.size - 1, std::uint32_t(0.5f * (c / ma + 1.0f) * sky.size)); };
    const std::uint8_t* p = &sky.faces[face][(size_t(cell(tc)) * sky.size + cell(sc)) * 4];
    return Vector3(p[0], p[1], p[2]);
}

float Luminance(const Vector3& c) { return 0.2126f * c.x + 0.7152f * c.y + 0.0722f * c.z; }

}  // namespace

// The day sky's sun stands where the scene's light comes from: the light travels along (0, -1, 1),
// so the brightest spot of the sky is towards (0, 1, -1).
TEST(Sky, SunStandsWhereTheLightComesFrom) {
    const Assets::CubeMapData sky = LoadSky("CubeMap.dds");
    const Vector3 sun = Math::Normalized(Vector3(0.0f, 1.0f, -1.0f));
    const float sunLight = Luminance(Lookup(sky, sun));
    EXPECT_GT(sunLight, 240.0f);
    for (float x = -1.0f; x <= 1.0f; x += 0.1f) {
        for (float y = -1.0f; y <= 1.0f; y += 0.1f) {
            for (float z = -1.0f; z <= 1.0f; z += 0.1f) {
                const Vector3 d(x, y, z);
                if (Math::Length(d) < 0.5f || Math::Dot(Math::Normalized(d), sun) > std::cos(0.05f)) continue;
                EXPECT_LT(Luminance(Lookup(sky, Math::Normalized(d))), sunLight) << "(" << x << ", " << y << ", " << z << ")";
            }
        }
    }
}
