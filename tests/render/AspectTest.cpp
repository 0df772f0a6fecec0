// The picture keeps its proportions whatever the render-target size: the aspect comes from the
// current target, so a square stays square after a resize and the vertical field of view fixes
// its height.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

struct Extent {
    unsigned width = 0;
    unsigned height = 0;
};

bool IsRed(const TestSupport::Pixel& p) { return p.r > p.b + 60 && p.r > p.g + 60; }

// Red pixels along the centre row and the centre column.
Extent RedExtentThroughCentre(const TestSupport::FrameImage& frame) {
    Extent extent;
    for (unsigned x = 0; x < frame.width; ++x) extent.width += IsRed(frame.At(x, frame.height / 2));
    for (unsigned y = 0; y < frame.height; ++y) extent.height += IsRed(frame.At(frame.width / 2, y));
    return extent;
}

class Aspect : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        // A square facing the camera: a thin box 2 x 2, 10 units away.
        RegisterMesh("square", MakeBox(Math::Vector3(1, 1, 0.01f), Rgba{230, 20, 20, 255}));
        square.SetModelName("square");
        gl->Register(&square);
        LookFrom(Math::Vector3(0, 0, 10), Math::Vector3(0, 0, -1));
    }
    void TearDown() override { gl->UnRegister(&square); }

    Extent SquareAt(unsigned width, unsigned height) {
        gl->ResizeRenderTargets(width, height);
        return RedExtentThroughCentre(gl.RenderAndRead());
    }

    RenderInterface::Model3D square;
};

TEST_F(Aspect, SquareStaysSquareAfterResizes) {
    for (const auto& [width, height] : {std::pair{160u, 120u}, {300u, 100u}, {100u, 200u}, {256u, 256u}}) {
        const Extent extent = SquareAt(width, height);
        EXPECT_NEAR(static_cast<double>(extent.width), static_cast<double>(extent.height), 2.0)
            << width << "x" << height;
    }
}

TEST_F(Aspect, HeightFollowsTheVerticalFieldOfView) {
    // 2 units at distance 10 with a quarter-turn field of view: 2 / (2 * 10 * tan(pi / 8)) of the height.
    const double share = 2.0 / (20.0 * 0.41421356);
    for (const unsigned height : {120u, 240u}) {
        EXPECT_NEAR(static_cast<double>(SquareAt(160, height).height), share * height, 2.0) << height;
    }
}

TEST_F(Aspect, TheViewsRecordedSizeDoesNotStretchThePicture) {
    // The view was created for 160 x 120; drawing at 320 x 120 must not squash the square.
    const Extent extent = SquareAt(320, 120);
    EXPECT_NEAR(static_cast<double>(extent.width), static_cast<double>(extent.height), 2.0);
}

}  // namespace
}  // namespace RenderTest
