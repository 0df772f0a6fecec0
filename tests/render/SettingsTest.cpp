// The look settings do what their names say: shadows from the directional light, the sky box,
// wireframe, and the figures of the pass timers.
#include <RenderInterface/RenderStatistics.h>
#include <TestSupport/RecordingRenderer.h>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using TestSupport::FrameImage;

const Math::Vector3 Eye(0, 80, 80);
const Math::Vector3 Forward(0, -1, -1);

class Settings : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        settings = RenderInterface::GetRenderSettings(*gl.Get());
        ASSERT_NE(settings, nullptr);
        LookFrom(Eye, Forward);
        // A pillar 10 wide and 40 tall standing on a wide floor whose top is y = 0.
        RegisterMesh("floor", MakeBox(Math::Vector3(60, 1, 60), Rgba{200, 200, 200, 255}));
        RegisterMesh("pillar", MakeBox(Math::Vector3(5, 20, 5), Rgba{200, 200, 200, 255}));
        floor.SetModelName("floor");
        floor.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0, -1, 0), Math::Quaternion::identity, Math::Vector3::one));
        pillar.SetModelName("pillar");
        pillar.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0, 20, 0), Math::Quaternion::identity, Math::Vector3::one));
        // Travelling down and towards +x: the pillar's shadow falls on the +x side.
        light.SetLightDirection(Math::Vector3(1, -1, 0));
        light.SetStrength(3.0f);
        for (RenderInterface::Renderable* object : Objects()) gl->Register(object);
    }
    void TearDown() override {
        for (RenderInterface::Renderable* object : Objects()) gl->UnRegister(object);
    }
    std::vector<RenderInterface::Renderable*> Objects() { return {&floor, &pillar, &light}; }

    static double LuminanceAt(const FrameImage& frame, const Math::Vector3& world) {
        const Math::Vector2 p = ProjectWithGlm(Eye, Forward, 0.7853982f, frame.width, frame.height, world);
        return frame.Average(static_cast<unsigned>(p.x) - 1, static_cast<unsigned>(p.y) - 1, 3, 3).Luminance();
    }

    RenderInterface::RenderSettings* settings = nullptr;
    RenderInterface::Model3D floor;
    RenderInterface::Model3D pillar;
    RenderInterface::DirectionalLight light;
};

TEST_F(Settings, PillarCastsItsShadowAwayFromTheLight) {
    const FrameImage frame = gl.RenderAndRead();
    const double shadowSide = LuminanceAt(frame, Math::Vector3(20, 0, 0));
    const double lightSide = LuminanceAt(frame, Math::Vector3(-20, 0, 0));
    EXPECT_LT(shadowSide, lightSide - 40.0);
}

TEST_F(Settings, WithoutShadowsBothSidesAreLitAlike) {
    settings->shadowsEnabled = 0;
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_NEAR(LuminanceAt(frame, Math::Vector3(20, 0, 0)), LuminanceAt(frame, Math::Vector3(-20, 0, 0)), 4.0);
}

TEST_F(Settings, SkyBoxSwitchedOffLeavesOneFlatColour) {
    gl->UnRegister(&floor);
    gl->UnRegister(&pillar);
    settings->skyBoxEnabled = 0;
    LookFrom(Math::Vector3::zero, Math::Vector3(0, 0, -1));
    const FrameImage frame = gl.RenderAndRead();
    const TestSupport::Pixel first = frame.At(0, 0);
    for (unsigned y = 0; y < frame.height; y += 7) {
        for (unsigned x = 0; x < frame.width; x += 7) {
            const TestSupport::Pixel p = frame.At(x, y);
            ASSERT_TRUE(p.r == first.r && p.g == first.g && p.b == first.b) << x << "," << y;
        }
    }
    EXPECT_GT(first.b, first.r) << "a sky colour";
}

TEST_F(Settings, WireframeLeavesFacesOpen) {
    gl->UnRegister(&floor);
    LookFrom(Math::Vector3(0, 20, 60), Math::Vector3(0, 0, -1));
    const FrameImage solid = gl.RenderAndRead();
    settings->wireframe = 1;
    const FrameImage wire = gl.RenderAndRead();
    gl->UnRegister(&pillar);
    const FrameImage empty = gl.RenderAndRead();
    // A point on the pillar's front face away from its edges and diagonals.
    const Math::Vector2 p = ProjectWithGlm(Math::Vector3(0, 20, 60), Math::Vector3(0, 0, -1), 0.7853982f, 160, 120,
                                           Math::Vector3(-2.5f, 28, 5));
    const auto x = static_cast<unsigned>(p.x), y = static_cast<unsigned>(p.y);
    EXPECT_NE(solid.At(x, y).b, empty.At(x, y).b);
    EXPECT_EQ(wire.At(x, y).b, empty.At(x, y).b);
}

TEST_F(Settings, PassTimesArriveAfterAFewFrames) {
    RenderInterface::PassTimings timings;
    for (int frame = 0; frame < 6; ++frame) {
        gl->DrawLine(Math::Vector3::zero, Math::Vector4::unit_x, Math::Vector3::unit_y, Math::Vector4::unit_x,
                     RenderInterface::DebugRenderSpace::World);
        gl->Render();
        std::vector<std::uint8_t> rgba;
        gl->ReadFrame(rgba);  // waits for the frame, so its queries finish
        timings = RenderInterface::GetPassTimings(*gl.Get());
    }
    EXPECT_GT(timings.shadowMs, 0.0);
    EXPECT_GT(timings.skyMs, 0.0);
    EXPECT_GT(timings.modelsMs, 0.0);
    EXPECT_GT(timings.debugMs, 0.0);
}

TEST(RenderStatistics, OtherRenderersHaveNoFiguresOrSettings) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    TestSupport::RecordingRenderer recorder(*gl.Get());
    EXPECT_EQ(RenderInterface::GetRenderSettings(recorder), nullptr);
    EXPECT_EQ(RenderInterface::GetPassTimings(recorder).modelsMs, 0.0);
}

}  // namespace
}  // namespace RenderTest
