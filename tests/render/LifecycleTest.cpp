// Creating the renderer: a current OpenGL 3.3 core context on the window it is given, sized from
// the config; a clean refusal (null and a message) where no such context can be made; and a
// destroy that forgets the skeletons registered through the renderer.
#include <epoxy/gl.h>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::CreateRenderSystem;
using RenderInterface::RenderConfig;

TEST(RendererLifecycle, DeviceIsTheCurrentCoreContextSizedFromTheConfig) {
    TestSupport::OffscreenRenderer gl(96, 40);
    ASSERT_TRUE(gl);
    EXPECT_EQ(gl->GetDevice(), SDL_GL_GetCurrentContext());
    EXPECT_EQ(SDL_GL_GetCurrentWindow(), gl.Window());
    GLint major = 0, minor = 0, profile = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_GE(major * 10 + minor, 33);
    EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
    EXPECT_EQ(gl->GetRenderTargetWidth(), 96u);
    EXPECT_EQ(gl->GetRenderTargetHeight(), 40u);
}

TEST(RendererLifecycle, WindowsWithoutOpenGlAreRefusedWithAMessage) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 32, 32, SDL_WINDOW_HIDDEN);
    for (SDL_Window* candidate : {window, static_cast<SDL_Window*>(nullptr)}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(CreateRenderSystem(RenderConfig{}, candidate), nullptr);
        EXPECT_NE(::testing::internal::GetCapturedStderr().find(candidate ? "SDL_WINDOW_OPENGL" : "window"),
                  std::string::npos);
    }
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(RendererLifecycle, DestroyingTheRendererForgetsSkeletons) {
    {
        TestSupport::OffscreenRenderer gl(32, 32);
        ASSERT_TRUE(gl);
        const std::string path = WriteTestFile("two.ske", Assets::WriteSkeleton(MakeFlatSkeleton(2)));
        ASSERT_EQ(gl->RegisterSkeleton(path.c_str(), "two"), RenderInterface::ResourceResult::Loaded);
        ASSERT_EQ(RenderInterface::AnimationController::GetBoneCount("two"), 2);
    }
    EXPECT_EQ(RenderInterface::AnimationController::GetBoneCount("two"), 0);
}

}  // namespace
}  // namespace RenderTest
