#include "CameraFixture.h"

namespace DemoTest {

SDL_Window* CameraWindow::window = nullptr;
RenderInterface::Renderer* CameraWindow::renderer = nullptr;

namespace {
::testing::Environment* const cameraWindow = ::testing::AddGlobalTestEnvironment(new CameraWindow);
}  // namespace

void ExpectNear(const Math::Vector3& actual, const glm::dvec3& expected, double tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void CameraWindow::SetUp()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("Vantor camera test", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, WindowWidth,
                              WindowHeight, SDL_WINDOW_OPENGL);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    RenderInterface::RenderConfig config;
    config.width = WindowWidth;
    config.height = WindowHeight;
    renderer = RenderInterface::CreateRenderSystem(config, window);
    ASSERT_NE(renderer, nullptr);
    Util::Input::Initialize();
}

void CameraWindow::TearDown()
{
    Util::Input::Shutdown();
    RenderInterface::DestroyRenderSystem(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
}

void CameraTest::SetUp()
{
    ASSERT_NE(renderer, nullptr);
    user = std::make_unique<XInputDriver>(X11WindowId(window));
    ASSERT_TRUE(PumpUntil([this] { return SDL_GetKeyboardFocus() == window; })) << "the window never got focus";
    camera.Init(renderer, WindowWidth, WindowHeight);
}

void CameraTest::TearDown()
{
    user.reset();
    EXPECT_TRUE(PumpUntil([] {
        const int movementKeys[] = {26, 22, 4, 7, 8, 20};
        for (int scancode : movementKeys) {
            if (Util::Input::IsKeyDown(scancode)) {
                return false;
            }
        }
        return !Util::Input::IsMouseButtonDown(Util::Input::Right);
    })) << "keys or button still held after the test";
    renderer->ReleaseView(camera.view);
}

void CameraTest::HoldRightButton()
{
    user->PressButton(3);
    ASSERT_TRUE(PumpUntil([] { return Util::Input::IsMouseButtonDown(Util::Input::Right); }));
}

void CameraTest::HoldKey(const char* key, int scancode)
{
    user->PressKey(key);
    ASSERT_TRUE(PumpUntil([scancode] { return Util::Input::IsKeyDown(scancode); })) << key;
}

void CameraTest::PlacePointer(int x, int y)
{
    user->MovePointer(x, y);
    ASSERT_TRUE(PumpUntil([x, y] {
        int sdlX = 0;
        int sdlY = 0;
        Util::Input::GetMouseState(&sdlX, &sdlY);
        return sdlX == x && sdlY == y;
    })) << "pointer never reached " << x << ", " << y;
}

void CameraTest::DragFrame(int dx, int dy)
{
    int x = 0;
    int y = 0;
    Util::Input::GetMouseState(&x, &y);
    user->MovePointer(x + dx, y + dy);
    ASSERT_TRUE(PumpUntil([dx, dy] {
        return Util::Input::GetMouseDeltaX() == dx && Util::Input::GetMouseDeltaY() == dy;
    })) << "motion " << dx << ", " << dy << " never arrived";
    camera.Update();
}

SDL_Point CameraTest::PointerInWindow() const
{
    SDL_Point global{};
    SDL_GetGlobalMouseState(&global.x, &global.y);
    int left = 0;
    int top = 0;
    SDL_GetWindowPosition(window, &left, &top);
    return SDL_Point{global.x - left, global.y - top};
}

void CameraTest::Frame()
{
    Util::Input::Update();
    camera.Update();
}

}  // namespace DemoTest
