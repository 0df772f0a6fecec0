#include "OnScreenFixture.h"

#include <glm/gtc/matrix_transform.hpp>

#include <RenderInterface/Renderer.h>

#include "demo/Selectors.h"
#include "util/Input.h"

namespace CharacterTest {

namespace {

constexpr int Width = 1400;
constexpr int Height = 800;

template <typename Condition>
bool PumpUntil(Condition condition)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        Util::Input::Update();
        if (condition()) {
            return true;
        }
        SDL_Delay(2);
    }
    return false;
}

}  // namespace

SDL_Window* OnScreen::window = nullptr;
RenderInterface::Renderer* OnScreen::renderer = nullptr;

void OnScreen::SetUpTestSuite()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("Vantor character test", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, Width, Height,
                              SDL_WINDOW_OPENGL);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    RenderInterface::RenderConfig config;
    config.width = Width;
    config.height = Height;
    renderer = RenderInterface::CreateRenderSystem(config, window);
    ASSERT_NE(renderer, nullptr);
    Util::Input::Initialize();
}

void OnScreen::TearDownTestSuite()
{
    Util::Input::Shutdown();
    RenderInterface::DestroyRenderSystem(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
}

void OnScreen::SetUp()
{
    ASSERT_NE(renderer, nullptr);
    user = std::make_unique<DemoTest::XInputDriver>(DemoTest::X11WindowId(window));
    ASSERT_TRUE(PumpUntil([] { return SDL_GetKeyboardFocus() == window; })) << "the window never got focus";
    clipIndex = 5;
    weaponIndex = 0;
    demo.Init(renderer, Width, Height);
}

void OnScreen::TearDown()
{
    user.reset();
    demo.Shutdown();
    TwTerminate();
}

TestSupport::FrameImage OnScreen::Frame()
{
    Util::Input::Update();
    return UpdateAndRender();
}

TestSupport::FrameImage OnScreen::UpdateAndRender()
{
    demo.Update();
    renderer->Render();
    TestSupport::FrameImage frame;
    renderer->ReadFrame(frame.rgba);
    frame.width = renderer->GetRenderTargetWidth();
    frame.height = renderer->GetRenderTargetHeight();
    return frame;
}

void OnScreen::PressKey(const char* key, int scancode)
{
    user->PressKey(key);
    ASSERT_TRUE(PumpUntil([scancode] { return Util::Input::IsKeyDown(scancode); })) << key;
    ASSERT_TRUE(Util::Input::IsKeyTriggered(scancode)) << key;
}

void OnScreen::ReleaseKey(const char* key, int scancode)
{
    user->ReleaseKey(key);
    ASSERT_TRUE(PumpUntil([scancode] { return !Util::Input::IsKeyDown(scancode); })) << key;
}

glm::vec2 OnScreen::ToScreen(const glm::vec3& world) const
{
    const RenderInterface::CameraView& view = *demo.camera.view;
    const RenderInterface::Camera& camera = view.camera;
    const glm::vec3 eye(camera.GetPosition().x, camera.GetPosition().y, camera.GetPosition().z);
    const glm::vec3 forward(camera.GetForward().x, camera.GetForward().y, camera.GetForward().z);
    const glm::vec3 up(camera.GetUp().x, camera.GetUp().y, camera.GetUp().z);
    const glm::mat4 projection =
        glm::perspective(view.fovY, static_cast<float>(Width) / Height, view.nearPlane, view.farPlane);
    const glm::vec4 clip = projection * glm::lookAt(eye, eye + forward, up) * glm::vec4(world, 1.0f);
    const glm::vec2 ndc = glm::vec2(clip) / clip.w;
    return glm::vec2((ndc.x + 1.0f) * 0.5f * Width, (1.0f - ndc.y) * 0.5f * Height);
}

}  // namespace CharacterTest
