// Creating the renderer: a current OpenGL 3.3 core context on the window it is given, sized from
// the config, and a clean refusal (null and a message) where no such context can be made.
#include <epoxy/gl.h>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

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
        EXPECT_EQ(RenderInterface::CreateRenderSystem({}, candidate), nullptr);
        EXPECT_NE(::testing::internal::GetCapturedStderr().find(candidate ? "SDL_WINDOW_OPENGL" : "window"),
                  std::string::npos);
    }
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace RenderTest
