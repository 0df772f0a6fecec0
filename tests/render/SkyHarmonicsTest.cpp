// The sky's light in spherical harmonics, against closed forms: a sky of one radiance c has only
// the constant term, c times the integral of Y00 over the sphere (sqrt(4 pi)); a sky bright only
// in its upper half has a positive first-order term along +y and none along x or z.
#include <cmath>

#include <gtest/gtest.h>

#include "SceneFixture.h"
#include "SkyHarmonics.h"

namespace RenderTest {
namespace {

constexpr double Pi = 3.14159265358979;

TEST(SkyHarmonics, UniformSkyHasOnlyTheConstantTerm) {
    // sRGB 188 decodes to linear 0.5029 (exactly: ((188 / 255 + 0.055) / 1.055) ^ 2.4).
    const double linear = std::pow((188.0 / 255.0 + 0.055) / 1.055, 2.4);
    const Rgba grey{188, 188, 188, 255};
    const RenderInterface::SkyHarmonics sh =
        RenderInterface::ProjectCubeMap(MakeFaceColoredCubeMap(32, {grey, grey, grey, grey, grey, grey}));
    EXPECT_NEAR(sh[0].x, linear * std::sqrt(4.0 * Pi), 0.01);
    EXPECT_NEAR(sh[0].z, linear * std::sqrt(4.0 * Pi), 0.01);
    for (std::size_t i = 1; i < 9; ++i) {
        EXPECT_NEAR(sh[i].x, 0.0, 0.01) << "coefficient " << i;
    }
}

TEST(SkyHarmonics, BrightUpperFaceLeansTheFirstBandUpwards) {
    const Rgba black{0, 0, 0, 255};
    const Rgba white{255, 255, 255, 255};
    // Only the +y face lit: the solid angle of a cube face is 4 pi / 6, and its mean direction is +y.
    const RenderInterface::SkyHarmonics sh =
        RenderInterface::ProjectCubeMap(MakeFaceColoredCubeMap(32, {black, black, white, black, black, black}));
    EXPECT_NEAR(sh[0].x, 0.282095 * 4.0 * Pi / 6.0, 0.01);
    EXPECT_GT(sh[1].x, 0.1);  // Y1-1 goes with y
    EXPECT_NEAR(sh[2].x, 0.0, 0.01);
    EXPECT_NEAR(sh[3].x, 0.0, 0.01);
}

TEST(SkyHarmonics, TexelDirectionsFollowTheCubeMapTable) {
    // Centre texels look along the face axes; the first row of a side face is its upper edge.
    const Math::Vector3 plusX = RenderInterface::CubeMapTexelDirection(0, 7.5f, 7.5f, 16);
    EXPECT_NEAR(plusX.x, 1.0f, 1e-5f);
    const Math::Vector3 minusZ = RenderInterface::CubeMapTexelDirection(5, 7.5f, 7.5f, 16);
    EXPECT_NEAR(minusZ.z, -1.0f, 1e-5f);
    EXPECT_GT(RenderInterface::CubeMapTexelDirection(4, 0.0f, 8.0f, 16).y, 0.5f);
    EXPECT_GT(RenderInterface::CubeMapTexelDirection(2, 8.0f, 15.0f, 16).x, 0.5f);
}

}  // namespace
}  // namespace RenderTest
