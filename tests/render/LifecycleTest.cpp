// Creating and destroying the renderer: a current OpenGL 3.3 core context on the window it is
// given, a clean refusal (null and a message) where no such context can be made, and a destroy
// (even of nothing) that forgets the skeletons and clips registered through the renderer.
#include <string>

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>

#include "SceneFixture.h"

namespace {

using RenderInterface::CreateRenderSystem;
using RenderInterface::DestroyRenderSystem;
using RenderInterface::RenderConfig;

// Starts SDL video on the offscreen driver for tests that make their own windows.
class SdlVideo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

TEST(RendererCreation, DeviceIsTheCurrentCoreContextOfAtLeastVersionThreeThree) {
    TestSupport::OffscreenRenderer gl(64, 48);
    ASSERT_TRUE(gl);
    ASSERT_NE(gl->GetDevice(), nullptr);
    EXPECT_EQ(gl->GetDevice(), SDL_GL_GetCurrentContext());
    EXPECT_EQ(SDL_GL_GetCurrentWindow(), gl.Window());

    GLint major = 0, minor = 0, profile = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_GE(major * 10 + minor, 33);
    EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
}

TEST(RendererCreation, TargetTakesTheConfiguredSize) {
    TestSupport::OffscreenRenderer gl(96, 40);
    ASSERT_TRUE(gl);
    EXPECT_EQ(gl->GetRenderTargetWidth(), 96u);
    EXPECT_EQ(gl->GetRenderTargetHeight(), 40u);
}

TEST_F(SdlVideo, ZeroConfiguredSizeFallsBackToTheWindowSize) {
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 72, 30, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    RenderConfig config;
    RenderInterface::Renderer* renderer = CreateRenderSystem(config, window);
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 72u);
    EXPECT_EQ(renderer->GetRenderTargetHeight(), 30u);
    DestroyRenderSystem(renderer);
    SDL_DestroyWindow(window);
}

TEST_F(SdlVideo, WindowWithoutOpenGlIsRefusedWithAMessage) {
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 32, 32, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    ::testing::internal::CaptureStderr();
    RenderInterface::Renderer* renderer = CreateRenderSystem(RenderConfig{}, window);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(renderer, nullptr);
    EXPECT_NE(message.find("SDL_WINDOW_OPENGL"), std::string::npos) << message;
    SDL_DestroyWindow(window);
}

TEST(RendererCreation, NullWindowIsRefusedWithAMessage) {
    ::testing::internal::CaptureStderr();
    RenderInterface::Renderer* renderer = CreateRenderSystem(RenderConfig{}, nullptr);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(renderer, nullptr);
    EXPECT_NE(message.find("window"), std::string::npos) << message;
}

TEST(RendererDestruction, DestroyingNothingIsHarmlessAndForgetsSkeletons) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    const std::string path = RenderTest::WriteTestFile("three.ske", Assets::WriteSkeleton(RenderTest::MakeFlatSkeleton(3)));
    ASSERT_EQ(gl->RegisterSkeleton(path.c_str(), "three"), RenderInterface::ResourceResult::Loaded);
    ASSERT_EQ(RenderInterface::AnimationController::GetBoneCount("three"), 3);
    DestroyRenderSystem(nullptr);
    EXPECT_EQ(RenderInterface::AnimationController::GetBoneCount("three"), 0);
}

TEST(RendererDestruction, DestroyingTheRendererForgetsSkeletons) {
    {
        TestSupport::OffscreenRenderer gl(32, 32);
        ASSERT_TRUE(gl);
        const std::string path = RenderTest::WriteTestFile("two.ske", Assets::WriteSkeleton(RenderTest::MakeFlatSkeleton(2)));
        ASSERT_EQ(gl->RegisterSkeleton(path.c_str(), "two"), RenderInterface::ResourceResult::Loaded);
    }
    EXPECT_EQ(RenderInterface::AnimationController::GetBoneCount("two"), 0);
}

TEST_F(SdlVideo, RendererOutlivingItsWindowIsDestroyedCleanly) {
    // The application destroys its window before the renderer.
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 32, 32, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    RenderInterface::Renderer* renderer = CreateRenderSystem(RenderConfig{}, window);
    ASSERT_NE(renderer, nullptr);
    renderer->Render();
    SDL_DestroyWindow(window);
    DestroyRenderSystem(renderer);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

TEST(RendererCreation, TwoRenderersKeepTheirOwnFrames) {
    TestSupport::OffscreenRenderer first(40, 30);
    TestSupport::OffscreenRenderer second(50, 20);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    first->ResizeRenderTargets(44, 33);
    const TestSupport::FrameImage a = first.RenderAndRead();
    const TestSupport::FrameImage b = second.RenderAndRead();
    EXPECT_EQ(a.width, 44u);
    EXPECT_EQ(a.rgba.size(), 44u * 33u * 4u);
    EXPECT_EQ(b.width, 50u);
    EXPECT_EQ(b.rgba.size(), 50u * 20u * 4u);
}

}  // namespace
