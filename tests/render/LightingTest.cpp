// Models are drawn where the camera projects them, lit by the directional light from the side its
// (unnormalised) direction travels towards, with colour and strength scaling it and a dim ambient
// term where it does not reach.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::FrameImage;

class Lighting : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        RegisterMesh("box", MakeBox(Math::Vector3(1, 1, 1), Rgba{170, 170, 170, 255}));
        box.SetModelName("box");
        gl->Register(&box);
        gl->Register(&light);
        light.SetStrength(3.0f);
    }
    void TearDown() override {
        gl->UnRegister(&box);
        gl->UnRegister(&light);
    }
    // Mean colour of the 5 x 5 pixels around where glm projects the world point.
    TestSupport::Color Around(const FrameImage& frame, const Math::Vector3& eye, const Math::Vector3& forward,
                              const Math::Vector3& world) {
        const Math::Vector2 p = ProjectWithGlm(eye, forward, 0.7853982f, frame.width, frame.height, world);
        return frame.Average(static_cast<unsigned>(p.x) - 2, static_cast<unsigned>(p.y) - 2, 5, 5);
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
    const TestSupport::Color at = Around(frame, eye, forward, Math::Vector3(3, 1, 0));
    const TestSupport::Color mirrored = Around(frame, eye, forward, Math::Vector3(-3, -1, 0));
    EXPECT_GT(at.r - at.b, 60.0) << "box missing at its projected place";
    EXPECT_LT(mirrored.r - mirrored.b, 0.0) << "something drawn where nothing stands";
}

TEST_F(Lighting, FaceTheLightTravelsTowardsIsBrighter) {
    // From the (+x, +z) diagonal the +x face shows on the right half of the box, +z on the left.
    const Math::Vector3 eye(6, 0, 6), forward(-1, 0, -1), plusX(1, 0, 0), plusZ(0, 0, 1);
    LookFrom(eye, forward);
    light.SetLightDirection(Math::Vector3(-7, 0, 0));  // travelling towards -x: onto the +x face
    const FrameImage ontoX = gl.RenderAndRead();
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    const FrameImage ontoZ = gl.RenderAndRead();
    EXPECT_GT(Around(ontoX, eye, forward, plusX).Luminance(), Around(ontoX, eye, forward, plusZ).Luminance() + 40);
    EXPECT_GT(Around(ontoZ, eye, forward, plusZ).Luminance(), Around(ontoZ, eye, forward, plusX).Luminance() + 40);
}

TEST_F(Lighting, ColourAndStrengthScaleTheLightAboveADimAmbient) {
    LookFrom(Math::Vector3(0, 0, 12), Math::Vector3(0, 0, -1));
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    const TestSupport::Color bright = gl.RenderAndRead().Average(76, 56, 9, 9);
    light.SetStrength(1.0f);
    const TestSupport::Color dim = gl.RenderAndRead().Average(76, 56, 9, 9);
    light.SetColor(Math::Vector3(1, 0, 0));
    const TestSupport::Color red = gl.RenderAndRead().Average(76, 56, 9, 9);
    gl->UnRegister(&light);
    const TestSupport::Color unlit = gl.RenderAndRead().Average(76, 56, 9, 9);
    EXPECT_GT(bright.Luminance(), dim.Luminance() + 15.0);
    EXPECT_GT(red.r - red.g, 40.0);
    EXPECT_LT(unlit.Luminance(), dim.Luminance() - 20.0);
    EXPECT_GT(unlit.Luminance(), 5.0) << "ambient light should keep unlit faces from black";
}

}  // namespace
}  // namespace RenderTest
