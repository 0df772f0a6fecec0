// Every SDL event may reach TwEventSDL, as the demo's event watch passes them all on; none may
// disturb the panels, and only input a panel uses is reported as taken.
#include <gtest/gtest.h>
// After gtest: the X11 headers it pulls in define None.
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
    SDL_SysWMmsg message{};  // SDL copies the message a system-window event points to
    SDL_VERSION(&message.version);
    for (Uint32 type : {SDL_QUIT, SDL_SYSWMEVENT, SDL_TEXTINPUT, SDL_CONTROLLERDEVICEADDED, SDL_JOYAXISMOTION,
                        SDL_FINGERDOWN, SDL_DROPBEGIN, SDL_USEREVENT, SDL_MOUSEWHEEL}) {
        SDL_Event event{};
        event.type = type;
        event.syswm.msg = type == SDL_SYSWMEVENT ? &message : nullptr;
        SDL_PushEvent(&event);
        ASSERT_EQ(TwDraw(), 1) << "after event " << type;
    }
    for (Uint8 id : {SDL_WINDOWEVENT_CLOSE, SDL_WINDOWEVENT_SIZE_CHANGED, SDL_WINDOWEVENT_FOCUS_LOST,
                     SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_LEAVE}) {
        SDL_Event event{};
        event.window.type = SDL_WINDOWEVENT;
        event.window.windowID = SDL_GetWindowID(window);
        event.window.event = id;
        SDL_PushEvent(&event);
        ASSERT_EQ(TwDraw(), 1) << "after window event " << int{id};
    }
    SDL_DelEventWatch(ForwardToTweakBar, nullptr);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    PanelDriver driver(window);
    const TwRect combo = ValueRect(demo.bar, "WeaponTypes");
    driver.Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
    driver.Click(combo.x + 30, combo.y + combo.height + 8 + 17 * 2 + 6);
    EXPECT_EQ(demo.weaponIndex, 2);
}

TEST_F(EventsTest, PointerOverAPanelAndKeysForAFocusedFieldAreReportedAsTaken) {
    DemoBar demo;
    PanelDriver driver(window);
    SDL_Event key{};
    key.key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_W;
    driver.MoveTo(900, 500);
    driver.Frames(2);
    EXPECT_EQ(driver.MoveTo(901, 501), 0);
    EXPECT_EQ(driver.Send(key), 0);
    const TwRect field = ValueRect(demo.bar, "Speed");
    driver.Click(field.x + 20, field.y + 9.5f);
    EXPECT_EQ(driver.MoveTo(field.x + 21, field.y + 9.5f), 1);
    EXPECT_EQ(driver.Send(key), 1);
}

// ImGui's backend would index its 512-entry key table with it; the sanitizer build reports that.
TEST_F(EventsTest, MalformedEventsAreRefused) {
    SDL_Event key{};
    key.key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 100);
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 0);
    EXPECT_EQ(TwEventSDL(nullptr, 2, 0), 0);
    EXPECT_TRUE(LastErrorMentions("no event"));
    EXPECT_EQ(TwEventSDL(&key, 1, 2), 0);
    EXPECT_TRUE(LastErrorMentions("SDL 1"));
    EXPECT_EQ(TwDraw(), 1);
}

}  // namespace
}  // namespace TweakBarTest
