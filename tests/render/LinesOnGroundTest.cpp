// A world line lying on a surface stays in front of it wherever it falls between pixel rows,
// also on ground seen at a grazing angle (a path drawn on the floor far from the camera).
#include "SceneFixture.h"

namespace RenderTest {
namespace {

const Math::Vector3 Eye(0, 3, 10);
const Math::Vector3 Forward(0, 0, -1);
const Math::Vector4 Red(1, 0, 0, 1);
constexpr float GroundTop = 1.0f;

using LinesOnGround = SceneTest;

bool ShowsRedNear(const TestSupport::FrameImage& frame, const Math::Vector2& p) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const TestSupport::Pixel pixel = frame.At(static_cast<unsigned>(static_cast<int>(p.x) + dx),
                                                      static_cast<unsigned>(static_cast<int>(p.y) + dy));
            if (pixel.r > 200 && pixel.g < 60 && pixel.b < 60) return true;
        }
    }
    return false;
}

TEST_F(LinesOnGround, ShowAtEveryOffsetFromThePixelRows) {
    RegisterMesh("ground", MakeBox(Math::Vector3(100, GroundTop, 100), Rgba{128, 128, 128, 255}));
    RenderInterface::Model3D ground;
    ground.SetModelName("ground");
    gl->Register(&ground);
    LookFrom(Eye, Forward);

    // About twelve units away the ground moves two pixel rows per unit of depth, so lines 1/32
    // unit apart land at sixteen different offsets across one row.
    for (int k = 0; k < 16; ++k) {
        const float z = -2.0f - static_cast<float>(k) / 32.0f;
        gl->DrawLine(Math::Vector3(-5, GroundTop, z), Red, Math::Vector3(5, GroundTop, z), Red,
                     RenderInterface::DebugRenderSpace::World);
        const TestSupport::FrameImage frame = gl.RenderAndRead();
        const Math::Vector2 where =
            ProjectWithGlm(Eye, Forward, 0.7853982f, frame.width, frame.height, Math::Vector3(0, GroundTop, z));
        EXPECT_TRUE(ShowsRedNear(frame, where)) << "line at z = " << z << " hidden at pixel row " << where.y;
    }
    gl->UnRegister(&ground);
}

}  // namespace
}  // namespace RenderTest
