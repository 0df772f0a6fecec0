// The renderer's set-up, its frame and its files. Creating it gives a current OpenGL 3.3 core
// context on the window it is given, sized from the config, or a clean refusal (null and a
// message). The frame's size follows ResizeRenderTargets while the picture keeps its proportions
// (the aspect comes from the current target, not the size the view was made for).
// Asset files are read with either path separator; a missing file, contents of the
// wrong kind or a missing name are refused with the path as opened on stderr, once. Presents are
// held to 60 a second whatever the display refreshes at, without drifting when sleeps overshoot or
// rushing after a slow frame.
#include <algorithm>

#include <epoxy/gl.h>

#include "FramePacer.h"
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

using Resources = SceneTest;

TEST_F(Resources, EitherSeparatorReadsRefusalsAreReportedOnceWithTheirPath) {
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
    // A good file read with Windows separators (the other kinds, and loading silently, the
    // fixture's registrations check).
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox(Math::Vector3(1, 1, 1), {})));
    std::string windowsMesh = mesh;
    std::replace(windowsMesh.begin(), windowsMesh.end(), '/', '\\');
    EXPECT_EQ(Register(&Renderer::RegisterModel, windowsMesh), std::make_pair(ResourceResult::Loaded, std::size_t{0}));

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

using RenderInterface::FramePacer;
using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

const FramePacer::Clock::time_point start{std::chrono::seconds(1000)};

TEST(FramePacer, WaitsOutThePeriodWithoutDriftOrCatchingUp) {
    FramePacer pacer;
    const FramePacer::Clock::duration period = pacer.Period();
    EXPECT_EQ(pacer.DelayAt(start).count(), 0);
    pacer.Presented(start);
    EXPECT_EQ(pacer.DelayAt(start + milliseconds(5)), period - milliseconds(5));
    // Each sleep ends 300 us late; the slots stay on the period's grid.
    for (int frame = 1; frame <= 100; ++frame) pacer.Presented(start + frame * period + microseconds(300));
    EXPECT_EQ(pacer.DelayAt(start + 100 * period + milliseconds(5)), period - milliseconds(5));
    // Three and a half periods late: a fresh period starts then.
    const FramePacer::Clock::time_point late = start + 104 * period + period / 2;
    pacer.Presented(late);
    EXPECT_EQ(pacer.DelayAt(late + milliseconds(5)), period - milliseconds(5));
}

// A display refreshing at `hz` (0: none, the swap returns at once) and frames of 4 ms of work:
// each frame sleeps as the pacer asks and is then shown at the next vertical blank. Counts the
// frames shown in the second after a first second of settling.
int FramesShownInOneSecond(int hz) {
    FramePacer pacer;
    FramePacer::Clock::time_point now = start;
    int shown = 0;
    while (now < start + std::chrono::seconds(2)) {
        now += pacer.DelayAt(now);
        pacer.Presented(now);
        if (hz > 0) {
            const nanoseconds refresh(1'000'000'000 / hz);
            const auto blanks = (now - start + refresh - nanoseconds(1)) / refresh;
            now = start + blanks * refresh;
        }
        shown += now >= start + std::chrono::seconds(1) ? 1 : 0;
        now += milliseconds(4);
    }
    return shown;
}

TEST(FramePacer, SixtyFramesASecondAtEveryRefreshRate) {
    for (const int hz : {0, 60, 75, 120, 144, 240}) {
        EXPECT_NEAR(FramesShownInOneSecond(hz), 60, 1) << "display at " << hz << " Hz";
    }
}

}  // namespace
}  // namespace RenderTest
