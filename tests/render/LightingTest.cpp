// Models are drawn where the camera says, lit by the directional light from the side its
// direction comes from (the direction is the way the light travels), and darker where it is not.
#include <cmath>

#include <RenderInterface/RenderStatistics.h>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::FrameImage;

const Rgba Grey{170, 170, 170, 255};

class Lighting : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        RegisterMesh("box", MakeBox(Math::Vector3(1, 1, 1), Grey));
        box.SetModelName("box");
        gl->Register(&box);
        gl->Register(&light);
        light.SetColor(Math::Vector3::one);
        light.SetStrength(3.0f);
    }
    void TearDown() override {
        gl->UnRegister(&box);
        gl->UnRegister(&light);
    }

    RenderInterface::Model3D box;
    RenderInterface::DirectionalLight light;
};

TEST_F(Lighting, BoxAppearsWhereTheCameraProjectsIt) {
    const Math::Vector3 eye(0, 0, 12), forward(0, 0, -1);
    LookFrom(eye, forward);
    RegisterMesh("red box", MakeBox(Math::Vector3(1, 1, 1), Rgba{220, 30, 30, 255}));
    box.SetModelName("red box");
    box.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(3, 1, 0), Math::Quaternion::identity, Math::Vector3::one));
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    const FrameImage frame = gl.RenderAndRead();

    const Math::Vector2 at = ProjectWithGlm(eye, forward, 0.7853982f, 160, 120, Math::Vector3(3, 1, 0));
    const Math::Vector2 mirrored = ProjectWithGlm(eye, forward, 0.7853982f, 160, 120, Math::Vector3(-3, -1, 0));
    ASSERT_GT(at.x, 85.0f);  // the reference itself: right of centre and above it
    ASSERT_LT(at.y, 55.0f);
    const auto Region = [&frame](const Math::Vector2& p) {
        return frame.Average(static_cast<unsigned>(p.x) - 2, static_cast<unsigned>(p.y) - 2, 5, 5);
    };
    EXPECT_GT(Region(at).r - Region(at).b, 60.0) << "box missing at its projected place";
    EXPECT_LT(Region(mirrored).r - Region(mirrored).b, 0.0) << "something drawn where nothing stands";
}

TEST_F(Lighting, FaceTheLightTravelsTowardsIsBrighter) {
    // From the (+x, +z) diagonal the +x face shows on the right half of the box, +z on the left.
    const Math::Vector3 eye(6, 0, 6), forward(-1, 0, -1);
    LookFrom(eye, forward);
    const Math::Vector2 right = ProjectWithGlm(eye, forward, 0.7853982f, 160, 120, Math::Vector3(1, 0, 0));
    const Math::Vector2 left = ProjectWithGlm(eye, forward, 0.7853982f, 160, 120, Math::Vector3(0, 0, 1));
    const auto Luminance = [&](const FrameImage& frame, const Math::Vector2& p) {
        return frame.Average(static_cast<unsigned>(p.x) - 2, static_cast<unsigned>(p.y) - 2, 5, 5).Luminance();
    };

    light.SetLightDirection(Math::Vector3(-1, 0, 0));  // travelling towards -x: onto the +x face
    const FrameImage fromPlusX = gl.RenderAndRead();
    light.SetLightDirection(Math::Vector3(0, 0, -1));  // onto the +z face
    const FrameImage fromPlusZ = gl.RenderAndRead();

    EXPECT_GT(Luminance(fromPlusX, right), Luminance(fromPlusX, left) + 40.0);
    EXPECT_GT(Luminance(fromPlusZ, left), Luminance(fromPlusZ, right) + 40.0);
}

TEST_F(Lighting, UnnormalisedDirectionLightsLikeItsUnitVector) {
    LookFrom(Math::Vector3(0, 0, 12), Math::Vector3(0, 0, -1));
    light.SetLightDirection(Math::Vector3(0, -1, -1));
    const FrameImage unit = gl.RenderAndRead();
    light.SetLightDirection(Math::Vector3(0, -7, -7));
    const FrameImage scaled = gl.RenderAndRead();
    EXPECT_EQ(unit.rgba, scaled.rgba);
}

TEST_F(Lighting, StrengthAndColourScaleTheLight) {
    LookFrom(Math::Vector3(0, 0, 12), Math::Vector3(0, 0, -1));
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    light.SetStrength(1.0f);
    const TestSupport::Color dim = gl.RenderAndRead().Average(76, 56, 9, 9);
    light.SetStrength(3.0f);
    const TestSupport::Color bright = gl.RenderAndRead().Average(76, 56, 9, 9);
    light.SetColor(Math::Vector3(1, 0, 0));
    const TestSupport::Color red = gl.RenderAndRead().Average(76, 56, 9, 9);

    EXPECT_GT(bright.Luminance(), dim.Luminance() + 15.0);
    EXPECT_GT(red.r - red.g, 40.0);
}

TEST_F(Lighting, NoLightLeavesOnlyTheDimAmbientTerm) {
    LookFrom(Math::Vector3(0, 0, 12), Math::Vector3(0, 0, -1));
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    const double lit = gl.RenderAndRead().Average(76, 56, 9, 9).Luminance();
    gl->UnRegister(&light);
    const double unlit = gl.RenderAndRead().Average(76, 56, 9, 9).Luminance();
    EXPECT_LT(unlit, lit - 40.0);
    EXPECT_GT(unlit, 5.0) << "ambient light should keep unlit faces from black";
}

}  // namespace
}  // namespace RenderTest
