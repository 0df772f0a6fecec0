// The sky box shows the cube map named by its texture name, looked up by world direction with
// each face as stored (first stored row at the top of the +x, -x, +z and -z faces); without a
// usable cube map the frame still shows a sky.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::Color;
using TestSupport::FrameImage;

// +x red, -x green, +y blue, -y yellow, +z magenta, -z cyan.
const std::array<Rgba, 6> FaceColors{Rgba{255, 0, 0, 255},   Rgba{0, 255, 0, 255},   Rgba{0, 0, 255, 255},
                                     Rgba{255, 255, 0, 255}, Rgba{255, 0, 255, 255}, Rgba{0, 255, 255, 255}};

// Which of the six colours a pixel shows: each channel read as on (> 128) or off.
int FaceOf(const Color& c) {
    const bool r = c.r > 128, g = c.g > 128, b = c.b > 128;
    for (int face = 0; face < 6; ++face) {
        const Rgba& f = FaceColors[static_cast<std::size_t>(face)];
        if (r == (f[0] > 128) && g == (f[1] > 128) && b == (f[2] > 128)) return face;
    }
    return -1;
}

class Sky : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        gl->Register(&skyBox);
    }
    void TearDown() override { gl->UnRegister(&skyBox); }

    Color CentreLooking(const Math::Vector3& forward, const Math::Vector3& up) {
        RenderInterface::CameraView* view = LookFrom(Math::Vector3(0, 0, 0), forward);
        view->GetCamera().SetUp(up);
        const Color centre = gl.RenderAndRead().Average(76, 56, 8, 8);
        gl->ReleaseView(view);
        return centre;
    }

    RenderInterface::SkyBox skyBox;
};

TEST_F(Sky, EachDirectionShowsItsFace) {
    RegisterCubeMap("faces", MakeFaceColoredCubeMap(8, FaceColors));
    skyBox.SetTextureName("faces");
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(1, 0, 0), Math::Vector3::unit_y)), 0);
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(-1, 0, 0), Math::Vector3::unit_y)), 1);
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, 1, 0), Math::Vector3::unit_z)), 2);
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, -1, 0), Math::Vector3::unit_z)), 3);
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, 0, 1), Math::Vector3::unit_y)), 4);
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, 0, -1), Math::Vector3::unit_y)), 5);
}

TEST_F(Sky, FacesAreUsedAsStoredFirstRowUp) {
    // The +x face's first stored rows red, the rest blue. By OpenGL's cube-map table the first
    // rows of +x are its +y edge, and its first columns its +z edge.
    Assets::CubeMapData cubeMap = MakeFaceColoredCubeMap(16, FaceColors);
    Assets::Bytes& plusX = cubeMap.faces[0];
    for (std::uint32_t row = 0; row < 16; ++row) {
        for (std::uint32_t column = 0; column < 16; ++column) {
            const bool first = row < 4 || column < 4;
            const Rgba texel = first ? Rgba{255, 0, 0, 255} : Rgba{0, 0, 255, 255};
            std::copy(texel.begin(), texel.end(), plusX.begin() + (row * 16 + column) * 4);
        }
    }
    RegisterCubeMap("marked", cubeMap);
    skyBox.SetTextureName("marked");
    LookFrom(Math::Vector3::zero, Math::Vector3(1, 0, 0), 1.45f);  // almost the whole face in view
    const FrameImage frame = gl.RenderAndRead();
    // Looking along +x with +y up, +z is to the right.
    const Color top = frame.Average(70, 4, 20, 4);
    const Color right = frame.Average(150, 50, 6, 20);
    const Color middle = frame.Average(70, 50, 20, 20);
    const Color left = frame.Average(4, 50, 6, 20);
    EXPECT_GT(top.r, top.b) << "first rows not at the top";
    EXPECT_GT(right.r, right.b) << "first columns not towards +z";
    EXPECT_GT(middle.b, middle.r);
    EXPECT_GT(left.b, left.r);
}

TEST_F(Sky, UnknownTextureFallsBackToAGradientSky) {
    skyBox.SetTextureName("never registered");
    LookFrom(Math::Vector3::zero, Math::Vector3(0, 0, -1));
    const FrameImage frame = gl.RenderAndRead();
    const Color high = frame.Average(0, 0, 160, 10);
    const Color low = frame.Average(0, 110, 160, 10);
    EXPECT_GT(high.b, high.r + 30.0) << "the sky overhead should be blue";
    EXPECT_GT(high.b - high.r, low.b - low.r) << "the ground below the horizon should be less blue than the sky";
}

TEST_F(Sky, LaterTextureNameChangesTheSky) {
    RegisterCubeMap("faces", MakeFaceColoredCubeMap(8, FaceColors));
    RegisterCubeMap("all red", MakeFaceColoredCubeMap(8, {FaceColors[0], FaceColors[0], FaceColors[0],
                                                          FaceColors[0], FaceColors[0], FaceColors[0]}));
    skyBox.SetTextureName("faces");
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, 0, -1), Math::Vector3::unit_y)), 5);
    skyBox.SetTextureName("all red");
    EXPECT_EQ(FaceOf(CentreLooking(Math::Vector3(0, 0, -1), Math::Vector3::unit_y)), 0);
}

TEST_F(Sky, SkyLightsTheSceneFromItsDirections) {
    // No light: a box lit by a sky that is blue above and red below shows a bluish top and a
    // reddish bottom.
    const Rgba blue{40, 60, 255, 255}, red{255, 40, 40, 255}, grey{128, 128, 128, 255};
    RegisterCubeMap("split", MakeFaceColoredCubeMap(8, {grey, grey, blue, red, grey, grey}));
    skyBox.SetTextureName("split");
    RegisterMesh("white box", MakeBox(Math::Vector3(1, 1, 1), Rgba{255, 255, 255, 255}));
    RenderInterface::Model3D box;
    box.SetModelName("white box");
    gl->Register(&box);
    LookFrom(Math::Vector3(0, 0, 6), Math::Vector3(0, 0, -1));
    box.SetWorldMatrix(Math::ToMatrix4(Math::Quaternion::RotateX(0.6f)));  // top face tilted towards us
    const Color top = gl.RenderAndRead().Average(75, 35, 10, 6);
    box.SetWorldMatrix(Math::ToMatrix4(Math::Quaternion::RotateX(-0.6f)));  // bottom face towards us
    const Color bottom = gl.RenderAndRead().Average(75, 79, 10, 6);
    gl->UnRegister(&box);
    EXPECT_GT(top.b, top.r + 20.0);
    EXPECT_GT(bottom.r, bottom.b + 20.0);
}

}  // namespace
}  // namespace RenderTest
