// Every SDL event may reach TwEventSDL, as the demo's event watch passes them all on; none may
// disturb the panels, and only input a panel uses is reported as taken.
#include <gtest/gtest.h>

#include <string>

#include <SDL_syswm.h>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using EventsTest = LibraryTest;

int SDLCALL ForwardToTweakBar(void* /*userData*/, SDL_Event* event) {
    TwEventSDL(event, 2, 0);
    return 0;
}

TEST_F(EventsTest, AnyEventThroughAnEventWatchLeavesThePanelWorking) {
    DemoBar demo;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_AddEventWatch(ForwardToTweakBar, nullptr);
    std::vector<SDL_Event> events;
    // SDL copies the message a system-window event points to, so it needs one.
    SDL_SysWMmsg message{};
    SDL_VERSION(&message.version);
    SDL_Event systemWindow{};
    systemWindow.type = SDL_SYSWMEVENT;
    systemWindow.syswm.msg = &message;
    events.push_back(systemWindow);
    for (Uint32 type : {SDL_QUIT, SDL_TEXTINPUT, SDL_CONTROLLERDEVICEADDED, SDL_JOYAXISMOTION,
                        SDL_FINGERDOWN, SDL_DROPBEGIN, SDL_RENDER_TARGETS_RESET, SDL_USEREVENT, SDL_MOUSEWHEEL}) {
        SDL_Event event{};
        event.type = type;
        events.push_back(event);
    }
    for (Uint8 windowEvent : {SDL_WINDOWEVENT_CLOSE, SDL_WINDOWEVENT_SIZE_CHANGED, SDL_WINDOWEVENT_RESIZED,
                              SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_LEAVE}) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = SDL_GetWindowID(window);
        event.window.event = windowEvent;
        events.push_back(event);
    }
    for (SDL_Event& event : events) {
        SDL_PushEvent(&event);
        ASSERT_EQ(TwDraw(), 1) << "after event type " << event.type;
    }
    SDL_DelEventWatch(ForwardToTweakBar, nullptr);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    PanelDriver driver(window);
    const TwRect combo = FindValueRect(demo.bar, "WeaponTypes");
    driver.Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
    driver.Click(combo.x + 30, combo.y + combo.height + 8 + 17 * 2 + 6);
    EXPECT_EQ(demo.weaponIndex, 2);
}

TEST_F(EventsTest, AKeyEventWithAnImpossibleScancodeIsIgnored) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 100);
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 0);
    EXPECT_EQ(TwDraw(), 1);
}

TEST_F(EventsTest, ThePointerOverAPanelIsReportedAsTakenAndElsewhereNot) {
    DemoBar demo;
    PanelDriver driver(window);
    driver.Frames(2);
    const TwRect panel = TwGetBarRect(demo.bar);
    driver.MoveTo(panel.x + 5, panel.y + 5);
    driver.Frames(1);
    EXPECT_EQ(driver.MoveTo(panel.x + 6, panel.y + 6), 1);
    driver.MoveTo(900, 500);
    driver.Frames(1);
    EXPECT_EQ(driver.MoveTo(901, 501), 0);
}

TEST_F(EventsTest, AFocusedTextFieldTakesTheKeyboard) {
    DemoBar demo;
    PanelDriver driver(window);
    driver.Frames(2);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_W;
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 0);
    const TwRect field = FindValueRect(demo.bar, "Speed");
    driver.Click(field.x + 20, field.y + field.height / 2);
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 1);
}

TEST_F(EventsTest, MalformedCallsAreRefusedWithAReason) {
    EXPECT_EQ(TwEventSDL(nullptr, 2, 0), 0);
    EXPECT_NE(std::string(TwGetLastError()).find("no event"), std::string::npos);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(TwEventSDL(&quit, 1, 2), 0);
    EXPECT_NE(std::string(TwGetLastError()).find("SDL 1"), std::string::npos);
}

}  // namespace
}  // namespace TweakBarTest
