// The sky box shows the cube map named by its texture name, looked up by world direction with each
// face as stored (first stored row at the top of a side face); without a usable cube map the frame
// still shows a sky.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::Color;

// +x red, -x green, +y blue, -y yellow, +z magenta, -z cyan.
const std::array<Rgba, 6> FaceColors{Rgba{255, 0, 0, 255},   Rgba{0, 255, 0, 255},   Rgba{0, 0, 255, 255},
                                     Rgba{255, 255, 0, 255}, Rgba{255, 0, 255, 255}, Rgba{0, 255, 255, 255}};

// Which of the six colours a region shows, each channel read as on (> 128) or off.
int FaceOf(const Color& c) {
    for (int face = 0; face < 6; ++face) {
        const Rgba& f = FaceColors[static_cast<std::size_t>(face)];
        if ((c.r > 128) == (f[0] > 128) && (c.g > 128) == (f[1] > 128) && (c.b > 128) == (f[2] > 128)) return face;
    }
    return -1;
}

class Sky : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        Show(skyBox);
    }
    void ShowCubeMap(const Assets::CubeMapData& cubeMap) {
        RegisterFile("sky.dds", Assets::WriteCubeMapDds(cubeMap), "sky", &RenderInterface::Renderer::RegisterTexture);
        skyBox.SetTextureName("sky");
    }

    RenderInterface::SkyBox skyBox;
};

TEST_F(Sky, EachDirectionShowsItsFace) {
    ShowCubeMap(MakeFaceColoredCubeMap(8, FaceColors));
    const Math::Vector3 directions[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int face = 0; face < 6; ++face) {
        RenderInterface::CameraView* view = LookFrom(Math::Vector3::zero, directions[face]);
        view->GetCamera().SetUp(face == 2 || face == 3 ? Math::Vector3::unit_z : Math::Vector3::unit_y);
        EXPECT_EQ(FaceOf(gl.RenderAndRead().Average(76, 56, 8, 8)), face);
        gl->ReleaseView(view);
    }
}

TEST_F(Sky, FacesAreUsedAsStoredFirstRowUp) {
    // By OpenGL's cube-map table the first rows of +x are its +y edge and its first columns its +z
    // edge; mark them red on a blue face. Looking along +x with +y up, +z is to the right.
    Assets::CubeMapData cubeMap = MakeFaceColoredCubeMap(16, FaceColors);
    for (std::uint32_t texel = 0; texel < 16 * 16; ++texel) {
        const bool first = texel / 16 < 4 || texel % 16 < 4;
        const Rgba color = first ? Rgba{255, 0, 0, 255} : Rgba{0, 0, 255, 255};
        std::copy(color.begin(), color.end(), cubeMap.faces[0].begin() + texel * 4);
    }
    ShowCubeMap(cubeMap);
    LookFrom(Math::Vector3::zero, Math::Vector3(1, 0, 0), 1.45f);
    const TestSupport::FrameImage frame = gl.RenderAndRead();
    const Color top = frame.Average(70, 4, 20, 4), right = frame.Average(150, 50, 6, 20);
    const Color middle = frame.Average(70, 50, 20, 20), left = frame.Average(4, 50, 6, 20);
    EXPECT_GT(top.r, top.b) << "first rows not at the top";
    EXPECT_GT(right.r, right.b) << "first columns not towards +z";
    EXPECT_GT(middle.b, middle.r);
    EXPECT_GT(left.b, left.r);
}

TEST_F(Sky, UnknownTextureFallsBackToAGradientSky) {
    skyBox.SetTextureName("never registered");
    LookFrom(Math::Vector3::zero, Math::Vector3(0, 0, -1));
    const TestSupport::FrameImage frame = gl.RenderAndRead();
    const Color high = frame.Average(0, 0, 160, 10), low = frame.Average(0, 110, 160, 10);
    EXPECT_GT(high.b, high.r + 30.0) << "the sky overhead should be blue";
    EXPECT_GT(high.b - high.r, low.b - low.r) << "below the horizon should be less blue than the sky";
}

}  // namespace
}  // namespace RenderTest
