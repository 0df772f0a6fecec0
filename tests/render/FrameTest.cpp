// Creating the renderer: a current OpenGL 3.3 core context on the window it is given, sized from
// the config, and a clean refusal (null and a message) where no such context can be made.
// The frame: its size follows ResizeRenderTargets while the picture keeps its proportions (the
// aspect comes from the current target, not the size the view was made for); ReadFrame returns it
// top row first; and what is drawn after Render (the tweak panel) stays in it through Present.
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

bool IsRed(const TestSupport::Pixel& p) { return p.r > p.b + 60 && p.r > p.g + 60; }

// Clears a rectangle in OpenGL window coordinates (origin bottom left) of the bound framebuffer.
void ClearRed(int x, int y, int w, int h) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, w, h);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

using Frame = SceneTest;

// A 2 x 2 square 10 units away under a quarter-turn field of view covers 2 / (20 tan(pi / 8)) of
// the height, and as many pixels across, at every size.
TEST_F(Frame, ResizeKeepsTheSquareSquareAndTheFieldOfView) {
    RegisterMesh("square", MakeBox(Math::Vector3(1, 1, 0.01f), Rgba{230, 20, 20, 255}));
    RenderInterface::Model3D square;
    square.SetModelName("square");
    gl->Register(&square);
    LookFrom(Math::Vector3(0, 0, 10), Math::Vector3(0, 0, -1));  // made for 160 x 120
    for (const auto& [width, height] : {std::pair{320u, 120u}, {100u, 200u}, {256u, 256u}}) {
        gl->ResizeRenderTargets(width, height);
        const TestSupport::FrameImage frame = gl.RenderAndRead();
        ASSERT_EQ(frame.width, width);
        ASSERT_EQ(frame.rgba.size(), width * height * 4u);
        unsigned across = 0, down = 0;
        for (unsigned x = 0; x < width; ++x) across += IsRed(frame.At(x, height / 2));
        for (unsigned y = 0; y < height; ++y) down += IsRed(frame.At(width / 2, y));
        EXPECT_NEAR(down, 2.0 / (20.0 * 0.41421356) * height, 2.0) << width << "x" << height;
        EXPECT_NEAR(across, down, 2.0) << width << "x" << height;
    }
    gl->UnRegister(&square);
}

TEST_F(Frame, ReadBackIsTopRowFirstAndKeepsWhatWasDrawnAfterRender) {
    gl->Render();
    ClearRed(0, 0, 160, 10);   // the bottom ten rows
    ClearRed(0, 110, 10, 10);  // the top-left corner, like the tweak panel
    gl->Present();
    const TestSupport::FrameImage frame = gl.Read();
    EXPECT_TRUE(IsRed(frame.At(80, 115)));
    EXPECT_FALSE(IsRed(frame.At(80, 109)));
    EXPECT_TRUE(IsRed(frame.At(5, 5)));
    EXPECT_FALSE(IsRed(frame.At(80, 60)));
}

}  // namespace
}  // namespace RenderTest
