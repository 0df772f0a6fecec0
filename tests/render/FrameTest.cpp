// The renderer's set-up, its frame and its files. Creating it gives a current OpenGL 3.3 core
// context on the window it is given, sized from the config, or a clean refusal (null and a
// message). The frame's size follows ResizeRenderTargets while the picture keeps its proportions
// (the aspect comes from the current target, not the size the view was made for); ReadFrame returns
// it top row first; what is drawn after Render (the tweak panel) stays in it through Present.
// Good asset files load silently, read with either path separator; a missing file, contents of the
// wrong kind or a missing name are refused with the path as opened on stderr, once.
#include <algorithm>

#include <epoxy/gl.h>

#include "SceneFixture.h"

namespace RenderTest {
namespace {

using RenderInterface::Renderer;
using RenderInterface::ResourceResult;

TEST(RendererLifecycle, CurrentCoreContextSizedFromTheConfigOrARefusalWithAMessage) {
    {
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
        EXPECT_EQ(gl->GetRenderTargetWidth() * 1000 + gl->GetRenderTargetHeight(), 96040u);
    }
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

using Frame = SceneTest;

// A 2 x 2 square 10 units away under a quarter-turn field of view covers 2 / (20 tan(pi / 8)) of
// the height, and as many pixels across, at every size.
TEST_F(Frame, ResizeKeepsTheSquareSquareAndTheFieldOfView) {
    RegisterMesh("square", MakeBox(Math::Vector3(1, 1, 0.01f), Rgba{230, 20, 20, 255}));
    RenderInterface::Model3D square;
    square.SetModelName("square");
    Show(square);
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
}

TEST_F(Frame, ReadBackIsTopRowFirstAndKeepsWhatWasDrawnAfterRender) {
    gl->Render();
    glEnable(GL_SCISSOR_TEST);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    // OpenGL's window coordinates start at the bottom: the bottom ten rows, then the top-left
    // corner (like the tweak panel).
    for (const auto& [x, y, w, h] : {std::array{0, 0, 160, 10}, {0, 110, 10, 10}}) {
        glScissor(x, y, w, h);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    gl->Present();
    const TestSupport::FrameImage frame = gl.Read();
    EXPECT_TRUE(IsRed(frame.At(80, 115)));
    EXPECT_FALSE(IsRed(frame.At(80, 109)));
    EXPECT_TRUE(IsRed(frame.At(5, 5)));
    EXPECT_FALSE(IsRed(frame.At(80, 60)));
}

using Resources = SceneTest;

TEST_F(Resources, GoodFilesLoadSilentlyRefusalsAreReportedOnceWithTheirPath) {
    // The result of a registration and how often `path`, as opened, appears in what it printed
    // (for an empty path: how much it printed).
    const auto Register = [this](auto registration, const std::string& path, const char* name = "thing") {
        ::testing::internal::CaptureStderr();
        const ResourceResult result = (gl.Get()->*registration)(path.c_str(), name);
        const std::string printed = ::testing::internal::GetCapturedStderr(), opened = Assets::NormalizePath(path);
        std::size_t count = 0;
        for (std::size_t at = printed.find(opened); at != std::string::npos; at = printed.find(opened, at + 1)) ++count;
        return std::make_pair(result, path.empty() ? printed.size() : count);
    };
    std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {1, 2, 3, 255})));
    std::string windowsMesh = mesh;
    std::replace(windowsMesh.begin(), windowsMesh.end(), '/', '\\');
    const std::string sky = WriteTestFile("sky.dds", Assets::WriteCubeMapDds(MakeFaceColoredCubeMap(4, {})));
    const std::string skeleton = WriteTestFile("one.ske", Assets::WriteSkeleton(MakeFlatSkeleton(1)));
    const std::pair loaded{ResourceResult::Loaded, std::size_t{0}};
    EXPECT_EQ(Register(&Renderer::RegisterModel, windowsMesh), loaded);
    EXPECT_EQ(Register(&Renderer::RegisterTexture, sky), loaded);
    EXPECT_EQ(Register(&Renderer::RegisterSkeleton, skeleton), loaded);

    const std::string absent = mesh.substr(0, mesh.rfind('/')) + "\\absent.mesh";
    for (auto registration : {&Renderer::RegisterModel, &Renderer::RegisterTexture, &Renderer::RegisterSkeleton,
                              &Renderer::RegisterAnimation})
        EXPECT_EQ(Register(registration, absent), std::make_pair(ResourceResult::FileNotFound, std::size_t{1}));
    const std::string garbage = WriteTestFile("garbage.dds", Assets::Bytes(100, 0x5a));
    EXPECT_EQ(Register(&Renderer::RegisterTexture, mesh), std::make_pair(ResourceResult::BadFormat, std::size_t{1}));
    EXPECT_EQ(Register(&Renderer::RegisterModel, garbage), std::make_pair(ResourceResult::BadFormat, std::size_t{1}));
    EXPECT_EQ(Register(&Renderer::RegisterModel, "").first, ResourceResult::BadName);
    EXPECT_EQ(Register(&Renderer::RegisterModel, mesh, "").first, ResourceResult::BadName);
    EXPECT_EQ(gl->RegisterModel(nullptr, nullptr), ResourceResult::BadName);
}

}  // namespace
}  // namespace RenderTest
