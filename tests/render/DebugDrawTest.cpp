// Debug lines and spheres queued during a frame: world-space ones hidden behind the scene, overlay
// ones drawn over it, colours used as given (their w ignored), and gone after one frame. A world
// line lying on a surface stays in front of it wherever it falls between pixel rows, also on
// ground seen at a grazing angle (a path drawn on the floor far from the camera).
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::DebugRenderSpace;
using TestSupport::FrameImage;

const Math::Vector4 Green(0, 1, 0, 1);
const Math::Vector4 Magenta(1, 0, 1, 1);
const Math::Vector4 Red(1, 0, 0, 1);

// Whether a pixel next to p (a line may be rasterised one pixel off) shows the colour.
bool ShowsNear(const FrameImage& frame, const Math::Vector2& p, const Math::Vector4& color) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const TestSupport::Pixel pixel = frame.At(unsigned(int(p.x) + dx), unsigned(int(p.y) + dy));
            if (std::abs(pixel.r - color.x * 255) < 8 && std::abs(pixel.g - color.y * 255) < 8 &&
                std::abs(pixel.b - color.z * 255) < 8)
                return true;
        }
    }
    return false;
}

class DebugDrawing : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Math::Vector3(0, 0, 10), Math::Vector3(0, 0, -1));
        RegisterMesh("box", MakeBox(Math::Vector3(1.5f, 1.5f, 1.5f), Rgba{128, 128, 128, 255}));
        box.SetModelName("box");
        Show(box);
    }

    bool Shows(const FrameImage& frame, const Math::Vector3& world, const Math::Vector4& color) const {
        return ShowsNear(frame, Project(frame, world), color);
    }
    void HorizontalLine(float y, float z, const Math::Vector4& color, DebugRenderSpace space) {
        gl->DrawLine(Math::Vector3(-5, y, z), color, Math::Vector3(5, y, z), color, space);
    }

    RenderInterface::Model3D box;
};

// A space the renderer does not know is reported once and drawn as a world line.
TEST_F(DebugDrawing, WorldLinesAreHiddenBehindTheSceneOverlayLinesAreNot) {
    HorizontalLine(0.5f, -3, Green, DebugRenderSpace::World);
    HorizontalLine(-0.5f, -3, Magenta, DebugRenderSpace::Overlay);
    HorizontalLine(2.5f, 3, Math::Vector4::unit_x, DebugRenderSpace::World);  // the demo's colours have w = 0
    ::testing::internal::CaptureStderr();
    for (const float y : {-1.0f, -1.1f}) HorizontalLine(y, -3, Magenta, static_cast<DebugRenderSpace>(7));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("7"), std::string::npos);
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, 0.5f, -3), Green)) << "world line drawn through the box";
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, -0.5f, -3), Magenta)) << "overlay line hidden by the box";
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, -1.0f, -3), Magenta)) << "unknown space not depth-tested";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, -1.0f, -3), Magenta)) << "unknown space not drawn";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, 0.5f, -3), Green));
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, -0.5f, -3), Magenta));
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, 2.5f, 3), Red));

    const FrameImage next = gl.RenderAndRead();
    EXPECT_FALSE(Shows(next, Math::Vector3(-3.5f, 0.5f, -3), Green)) << "lines outlived their frame";
    EXPECT_FALSE(Shows(next, Math::Vector3(-3.5f, -0.5f, -3), Magenta)) << "lines outlived their frame";
}

TEST_F(DebugDrawing, SpheresAreThreeCirclesAroundTheirCentre) {
    gl->UnRegister(&box);
    gl->DrawSphere(Math::Vector3(0, 0, 0), 2.0f, Green, DebugRenderSpace::World);
    const FrameImage frame = gl.RenderAndRead();
    // Seen along -z, the circle around z is a ring of radius 2 and the other two are its vertical
    // and horizontal diameters; the quarters between them are empty inside the ring.
    for (const auto& [x, y, drawn] : {std::tuple{1.41421f, 1.41421f, true}, {0.0f, 1.0f, true}, {-1.0f, 0.0f, true},
                                      {1.0f, 1.0f, false}, {-0.7f, -0.7f, false}})
        EXPECT_EQ(Shows(frame, Math::Vector3(x, y, 0), Green), drawn) << x << "," << y;
}

using LinesOnGround = SceneTest;

TEST_F(LinesOnGround, ShowAtEveryOffsetFromThePixelRows) {
    constexpr float GroundTop = 1.0f;
    RegisterMesh("ground", MakeBox(Math::Vector3(100, GroundTop, 100), Rgba{128, 128, 128, 255}));
    RenderInterface::Model3D ground;
    ground.SetModelName("ground");
    Show(ground);
    LookFrom(Math::Vector3(0, 3, 10), Math::Vector3(0, 0, -1));
    // About twelve units away the ground moves two pixel rows per unit of depth, so lines 1/32
    // unit apart land at sixteen different offsets across one row.
    for (int k = 0; k < 16; ++k) {
        const float z = -2.0f - static_cast<float>(k) / 32.0f;
        gl->DrawLine(Math::Vector3(-5, GroundTop, z), Red, Math::Vector3(5, GroundTop, z), Red,
                     DebugRenderSpace::World);
        const FrameImage frame = gl.RenderAndRead();
        const Math::Vector2 where = Project(frame, Math::Vector3(0, GroundTop, z));
        EXPECT_TRUE(ShowsNear(frame, where, Red)) << "line at z = " << z << " hidden at pixel row " << where.y;
    }
}

}  // namespace
}  // namespace RenderTest
