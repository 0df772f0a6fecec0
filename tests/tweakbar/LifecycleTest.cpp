// The library works only between TwInit and TwTerminate, on the current OpenGL core context;
// TwTerminate forgets everything and the library can be started again. Events of any kind may
// arrive through the demo's event watch at any time without harm.
#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

struct Lifecycle : LibraryTest {
    Lifecycle() : LibraryTest(false) {}
};

TEST_F(Lifecycle, CallsBeforeInitFailAndNameTheMissingTwInit) {
    SDL_Event quit{SDL_QUIT};
    EXPECT_EQ(TwEventSDL(&quit, 2, 0), 0);
    EXPECT_EQ(TwNewBar("Early"), nullptr);
    EXPECT_TRUE(LastErrorMentions("TwNewBar") && LastErrorMentions("TwInit"));
    EXPECT_EQ(TwDraw(), 0);
    EXPECT_EQ(TwTerminate(), 0);
    EXPECT_EQ(TwInit(TW_OPENGL, context), 0);
    EXPECT_TRUE(LastErrorMentions("only TW_OPENGL_CORE"));
    EXPECT_EQ(TwInit(TW_OPENGL_CORE, nullptr), 0);
}

int SDLCALL ForwardToTweakBar(void*, SDL_Event* event) { return TwEventSDL(event, 2, 0), 0; }

// After a restart, events of every kind pushed through an event watch leave the panel working.
TEST_F(Lifecycle, TerminateForgetsEverythingAndInitStartsAfresh) {
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1);
    TwNewBar("Old");
    const TwEnumVal values[] = {{0, "A"}};
    const TwType oldType = TwDefineEnum("Old", values, 1);
    ASSERT_EQ(TwTerminate(), 1);
    EXPECT_EQ(TwTerminate(), 0);

    ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1);
    EXPECT_EQ(TwGetBarByName("Old"), nullptr);
    EXPECT_EQ(TwGetEnumLabel(oldType, 0), nullptr);
    DemoBar demo;
    SDL_AddEventWatch(ForwardToTweakBar, nullptr);
    for (SDL_EventType type : {SDL_QUIT, SDL_TEXTINPUT, SDL_CONTROLLERDEVICEADDED, SDL_JOYAXISMOTION, SDL_FINGERDOWN,
                               SDL_DROPBEGIN, SDL_USEREVENT, SDL_MOUSEWHEEL, SDL_WINDOWEVENT}) {
        SDL_Event event{type};
        event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
        SDL_PushEvent(&event);
        ASSERT_EQ(TwDraw(), 1) << "after event " << type;
    }
    SDL_DelEventWatch(ForwardToTweakBar, nullptr);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event key{SDL_KEYDOWN};
    key.key.keysym.scancode = static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 100);
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 0) << "a scancode past ImGui's key table must be refused";
    PanelDriver driver(window, demo.bar);
    driver.Choose("WeaponTypes", 2);
    EXPECT_EQ(demo.weaponIndex, 2) << "the restarted library does not work its panel";
}

}  // namespace
}  // namespace TweakBarTest
