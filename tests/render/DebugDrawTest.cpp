// Debug lines and spheres queued during a frame: world-space ones hidden behind the scene, overlay
// ones drawn over it, colours used as given (their w ignored), and gone after one frame.
#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::DebugRenderSpace;
using TestSupport::FrameImage;

const Math::Vector4 Green(0, 1, 0, 1);
const Math::Vector4 Magenta(1, 0, 1, 1);

class DebugDrawing : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Math::Vector3(0, 0, 10), Math::Vector3(0, 0, -1));
        RegisterMesh("box", MakeBox(Math::Vector3(1.5f, 1.5f, 1.5f), Rgba{128, 128, 128, 255}));
        box.SetModelName("box");
        Show(box);
    }

    // Whether a pixel next to where glm projects the world point (a line may be rasterised one
    // pixel off) shows the colour.
    bool Shows(const FrameImage& frame, const Math::Vector3& world, const Math::Vector4& color) const {
        const Math::Vector2 p = Project(frame, world);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const TestSupport::Pixel pixel = frame.At(static_cast<unsigned>(static_cast<int>(p.x) + dx),
                                                          static_cast<unsigned>(static_cast<int>(p.y) + dy));
                if (std::abs(pixel.r - color.x * 255) < 8 && std::abs(pixel.g - color.y * 255) < 8 &&
                    std::abs(pixel.b - color.z * 255) < 8)
                    return true;
            }
        }
        return false;
    }
    void HorizontalLine(float y, float z, const Math::Vector4& color, DebugRenderSpace space) {
        gl->DrawLine(Math::Vector3(-5, y, z), color, Math::Vector3(5, y, z), color, space);
    }

    RenderInterface::Model3D box;
};

TEST_F(DebugDrawing, WorldLinesAreHiddenBehindTheSceneOverlayLinesAreNot) {
    HorizontalLine(0.5f, -3, Green, DebugRenderSpace::World);
    HorizontalLine(-0.5f, -3, Magenta, DebugRenderSpace::Overlay);
    HorizontalLine(2.5f, 3, Math::Vector4::unit_x, DebugRenderSpace::World);  // the demo's colours have w = 0
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, 0.5f, -3), Green)) << "world line drawn through the box";
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, -0.5f, -3), Magenta)) << "overlay line hidden by the box";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, 0.5f, -3), Green));
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, -0.5f, -3), Magenta));
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, 2.5f, 3), Math::Vector4(1, 0, 0, 1)));

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

TEST_F(DebugDrawing, UnknownSpaceIsReportedOnceAndDrawnInTheWorld) {
    ::testing::internal::CaptureStderr();
    HorizontalLine(0.5f, -3, Green, static_cast<DebugRenderSpace>(7));
    HorizontalLine(0.6f, -3, Green, static_cast<DebugRenderSpace>(7));
    const std::string message = ::testing::internal::GetCapturedStderr();
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, 0.5f, -3), Green)) << "not depth-tested";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, 0.5f, -3), Green)) << "not drawn";
    EXPECT_NE(message.find("7"), std::string::npos);
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
}

}  // namespace
}  // namespace RenderTest
