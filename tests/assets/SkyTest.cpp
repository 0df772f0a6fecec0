// The day sky, each texel placed in the direction OpenGL's cube-map selection gives it (faces +x,
// -x, +y, -y, +z, -z; s and t across each), written out here as the reference.
#include "AssetTestSupport.h"

using namespace AssetTests;

// The day sky's sun stands where the scene's light comes from: the light travels along (0, -1, 1),
// so the sky is brightest within 0.05 radians of (0, 1, -1), and dimmer everywhere else.
TEST(Sky, SunStandsWhereTheLightComesFrom) {
    const auto sky = Load(Assets::kDaySkyFile, Assets::ReadCubeMapDds);
    const Vector3 sun = Math::Normalized(Vector3(0.0f, 1.0f, -1.0f));
    float inside = 0.0f, outside = 0.0f;
    for (int f = 0; f < 6; ++f) {
        for (std::uint32_t i = 0; i < sky.size * sky.size; ++i) {
            const float s = (2.0f * (i % sky.size) + 1.0f) / sky.size - 1.0f, t = (2.0f * (i / sky.size) + 1.0f) / sky.size - 1.0f;
            const Vector3 direction[6] = {{1, -t, -s}, {-1, -t, s}, {s, 1, t}, {s, -1, -t}, {s, -t, 1}, {-s, -t, -1}};
            const std::uint8_t* c = &sky.faces[f].at(4 * i);
            float& brightest = Math::Dot(Math::Normalized(direction[f]), sun) > std::cos(0.05f) ? inside : outside;
            brightest = std::max(brightest, 0.2126f * c[0] + 0.7152f * c[1] + 0.0722f * c[2]);
        }
    }
    EXPECT_GT(inside, 240.0f);
    EXPECT_LT(outside, inside);
}
