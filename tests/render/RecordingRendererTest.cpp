// The recording decorator that scene tests rely on: every call is recorded in order with its
// arguments, and every call really reaches the renderer underneath.
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

namespace {

using RenderInterface::DebugRenderSpace;
using TestSupport::RecordingRenderer;

TEST(RecordingRenderer, RecordsCallsInOrderWithTheirArguments) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RecordingRenderer recorder(*gl.Get());
    RenderInterface::Model3D model;

    recorder.Register(&model);
    recorder.DrawLine(Math::Vector3(1, 2, 3), Math::Vector4(1, 0, 0, 1), Math::Vector3(4, 5, 6),
                      Math::Vector4(0, 1, 0, 0.5f), DebugRenderSpace::Overlay);
    recorder.DrawSphere(Math::Vector3(7, 8, 9), 2.5f, Math::Vector4(0, 0, 1, 1), DebugRenderSpace::World);
    recorder.UnRegister(&model);
    recorder.Render();

    EXPECT_EQ(recorder.Operations(),
              (std::vector<std::string>{"Register", "DrawLine", "DrawSphere", "UnRegister", "Render"}));
    EXPECT_EQ(recorder.calls[0].renderable, &model);
    EXPECT_EQ(recorder.calls[0].renderableType, RenderInterface::RenderableType::StaticModel);
    EXPECT_EQ(recorder.calls[1].values,
              (std::vector<float>{1, 2, 3, 1, 0, 0, 1, 4, 5, 6, 0, 1, 0, 0.5f, 2}));
    EXPECT_EQ(recorder.calls[2].values, (std::vector<float>{7, 8, 9, 2.5f, 0, 0, 1, 1, 1}));
    EXPECT_EQ(recorder.Count("DrawSphere"), 1u);
    EXPECT_EQ(recorder.Calls("UnRegister").at(0).renderable, &model);
}

TEST(RecordingRenderer, ForwardsToTheRealRenderer) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RecordingRenderer recorder(*gl.Get());

    recorder.ResizeRenderTargets(80, 60);
    EXPECT_EQ(gl->GetRenderTargetWidth(), 80u);
    EXPECT_EQ(recorder.GetRenderTargetHeight(), 60u);
    EXPECT_EQ(recorder.GetDevice(), gl->GetDevice());

    std::vector<std::uint8_t> rgba;
    recorder.Render();
    recorder.ReadFrame(rgba);
    EXPECT_EQ(rgba.size(), 80u * 60u * 4u);

    RenderInterface::CameraView* view = recorder.CreateView(80, 60, 0.5f, 50, 1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(recorder.Calls("CreateView").at(0).view, view);
    EXPECT_EQ(recorder.Calls("CreateView").at(0).values, (std::vector<float>{80, 60, 0.5f, 50, 1}));
    ::testing::internal::CaptureStderr();
    recorder.ReleaseView(view);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the real renderer did not know the view";
}

TEST(RecordingRenderer, TranscriptNamesObjectsEvenAfterTheyAreGone) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RecordingRenderer recorder(*gl.Get());
    auto* light = new RenderInterface::DirectionalLight;
    recorder.Register(light);
    recorder.UnRegister(light);
    delete light;
    recorder.Register(nullptr);

    const std::string transcript = recorder.Transcript();
    EXPECT_NE(transcript.find("Register(DirectionalLight@"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find("UnRegister(DirectionalLight@"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find("Register(null)"), std::string::npos) << transcript;
}

}  // namespace
