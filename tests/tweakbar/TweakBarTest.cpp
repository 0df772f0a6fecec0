// The tweak-bar library on the renderer's OpenGL 3.3 core context, worked with SDL events as a user would.
#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>

#include "AntTweakBar.h"
#include "TweakBarQuery.h"

namespace {

constexpr int Width = 1400, Height = 800;

bool LastErrorMentions(const char* text) { return std::string(TwGetLastError()).find(text) != std::string::npos; }

TwRect ValueRect(const TwBar* bar, const char* name) {
    for (const TwVarInfo& info : TwGetBarVars(bar))
        if (info.name == name) return info.valueRect;
    ADD_FAILURE() << "no entry " << name;
    return {};
}

// The demo's bar, built with the calls and values the demo makes.
struct DemoBar {
    DemoBar() {
        const TwEnumVal clips[] = {{0, "Attack1"}, {1, "Attack2"}, {2, "Attack3"}, {3, "Die"}, {4, "Run"},
                                   {5, "Walk"}, {6, "Guard"}, {7, "Damage"}, {8, "Critical_Damage"}, {9, "Stand"},
                                   {10, "Skill1"}, {11, "Skill2"}, {12, "Skill3"}, {13, "Skill4"}, {14, "Skill5"}};
        const TwEnumVal weapons[] = {{0, "Sword"}, {1, "Shield"}, {2, "Human"}, {3, "Gun"}};
        bar = TwNewBar("Tovrin_Stage1");
        TwAddVarRW(bar, "AnimationClips", TwDefineEnum("AnimationClips", clips, 15), &clipIndex, nullptr);
        TwAddVarRW(bar, "WeaponTypes", TwDefineEnum("WeaponTypes", weapons, 4), &weaponIndex, nullptr);
        TwAddVarRW(bar, "DeltaTime", TW_TYPE_FLOAT, &deltaTime, "min = 0 max = 1 step = 0.016");
        TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, "min = 0 max = 300 step = 0.5");
        TwAddVarRW(bar, "Speed_Walk_Start", TW_TYPE_FLOAT, &speedWalkStart, "min = 0 max = 300 step = 0.5");
    }

    TwBar* bar = nullptr;
    int clipIndex = 5, weaponIndex = 0;
    float deltaTime = 0.007f, speed = 1.0f, speedWalkStart = 1.0f;
};

// Feeds SDL events through TwEventSDL with frames between, as the demo does, at ImGui's default
// positions: step buttons 19 px square, 4 px apart, at a field's right end; list rows 17 px apart,
// from 8 px below the field.
class PanelDriver {
public:
    PanelDriver(SDL_Window* window, const TwBar* bar) : windowId(SDL_GetWindowID(window)), bar(bar) { Frames(2); }

    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_EQ(TwDraw(), 1) << TwGetLastError();
    }
    void Send(SDL_Event event) {
        TwEventSDL(&event, 2, 0);
        Frames(1);
    }
    // Press and release with frames between, enough for a popup opened by the click to show.
    void Click(float x, float y) {
        SDL_Event event{};
        event.motion = SDL_MouseMotionEvent{SDL_MOUSEMOTION, 0, windowId, 0, 0, int(x), int(y), 0, 0};
        Send(event);
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            event.button = SDL_MouseButtonEvent{type, 0, windowId, 0, SDL_BUTTON_LEFT, 0, 1, 0, int(x), int(y)};
            Send(event);
        }
        Frames(1);
    }
    void Choose(const char* entry, int row) {
        const TwRect combo = ValueRect(bar, entry);
        Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
        Click(combo.x + 30, combo.y + combo.height + 8 + 17.0f * static_cast<float>(row) + 6);
    }
    // Presses the field's + button (up) or the - button left of it.
    void Step(const char* entry, bool up) {
        const TwRect field = ValueRect(bar, entry);
        Click(field.x + field.width - 9.5f - (up ? 0.0f : 19 + 4), field.y + 9.5f);
    }
    // Clicks into the field, types the text and presses Return.
    void Type(const char* entry, const char* text) {
        const TwRect field = ValueRect(bar, entry);
        Click(field.x + 20, field.y + 9.5f);
        SDL_Event event{SDL_TEXTINPUT};
        event.text.windowID = windowId;
        SDL_strlcpy(event.text.text, text, sizeof event.text.text);
        Send(event);
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            event.key = SDL_KeyboardEvent{type, 0, windowId, 0, 0, 0, 0, SDL_Keysym{SDL_SCANCODE_RETURN, 0, 0, 0}};
            Send(event);
        }
    }

private:
    Uint32 windowId;
    const TwBar* bar;
};

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl);
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        ASSERT_EQ(TwWindowSize(Width, Height), 1);
    }
    void TearDown() override { TwTerminate(); }

    TestSupport::OffscreenRenderer gl{Width, Height};
};

// The library works only between TwInit and TwTerminate, which forgets everything; it can be
// started again. Events of any kind may arrive without harm.
using Lifecycle = LibraryTest;

TEST_F(Lifecycle, CallsOutsideInitFailTerminateForgetsEverythingAnyEventIsHarmless) {
    TwNewBar("Old");
    const TwEnumVal values[] = {{0, "A"}};
    const TwType oldType = TwDefineEnum("Old", values, 1);
    ASSERT_EQ(TwTerminate(), 1);
    SDL_Event quit{SDL_QUIT};
    EXPECT_EQ(TwEventSDL(&quit, 2, 0), 0);
    EXPECT_EQ(TwNewBar("Early"), nullptr);
    EXPECT_TRUE(LastErrorMentions("TwNewBar") && LastErrorMentions("TwInit"));
    EXPECT_EQ(TwDraw(), 0);
    EXPECT_EQ(TwTerminate(), 0);
    EXPECT_EQ(TwInit(TW_OPENGL, gl->GetDevice()), 0);
    EXPECT_TRUE(LastErrorMentions("only TW_OPENGL_CORE"));
    EXPECT_EQ(TwInit(TW_OPENGL_CORE, nullptr), 0);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1);
    EXPECT_EQ(TwGetBarByName("Old"), nullptr);
    EXPECT_EQ(TwGetEnumLabel(oldType, 0), nullptr);

    DemoBar demo;
    for (SDL_EventType type : {SDL_QUIT, SDL_TEXTINPUT, SDL_CONTROLLERDEVICEADDED, SDL_JOYAXISMOTION, SDL_FINGERDOWN,
                               SDL_DROPBEGIN, SDL_USEREVENT, SDL_MOUSEWHEEL, SDL_WINDOWEVENT}) {
        SDL_Event event{type};
        event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
        TwEventSDL(&event, 2, 0);
        ASSERT_EQ(TwDraw(), 1) << "after event " << type;
    }
    SDL_Event key{SDL_KEYDOWN};
    key.key.keysym.scancode = static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 100);
    EXPECT_EQ(TwEventSDL(&key, 2, 0), 0) << "a scancode past ImGui's key table must be refused";
    PanelDriver driver(gl.Window(), demo.bar);
    driver.Choose("WeaponTypes", 2);
    EXPECT_EQ(demo.weaponIndex, 2) << "the restarted library does not work its panel";
}

// A well-formed definition string gives exactly the limits it spells out, in any order and spacing;
// a malformed one (or an entry the panel cannot show) is refused, with why in one line.
using DefinitionString = LibraryTest;

TEST_F(DefinitionString, WellFormedGivesExactlyTheLimitsSpelledOutMalformedIsRefusedInOneLine) {
    // Limits as "min max step", "-" for one not given.
    const std::pair<const char*, const char*> good[] = {{"min = 0 max = 300 step = 0.5", "0 300 0.5 "},
                                                        {"step=0.016 max=1 min=0", "0 1 0.016 "},
                                                        {"\tmin =\n-2.5   max=  +4e1 ", "-2.5 40 - "},
                                                        {nullptr, "- - - "}};
    TwBar* bar = TwNewBar("Limits");
    float value = 1.0f;
    int entry = 0;
    for (const auto& [text, limits] : good) {
        const std::string name = "v" + std::to_string(entry++);
        ASSERT_EQ(TwAddVarRW(bar, name.c_str(), TW_TYPE_FLOAT, &value, text), 1) << TwGetLastError();
        const TwVarInfo got = TwGetBarVars(bar).back();
        std::ostringstream spelled;
        for (const auto& [given, limit] :
             {std::pair{got.hasMin, got.min}, {got.hasMax, got.max}, {got.hasStep, got.step}})
            given ? spelled << limit << ' ' : spelled << "- ";
        EXPECT_EQ(spelled.str(), limits) << (text ? text : "(null)");
    }

    const std::pair<const char*, const char*> bad[] = {
        {"min = 0 stepp = 0.5", "unknown key 'stepp'"}, {"min 0", "expected '=' after 'min'"},
        {"min =", "missing value for 'min'"},           {"min = 1.5x", "'1.5x' is not a number"},
        {"max = inf", "'inf' is not a number"},         {"min = 5 max = 1", "min 5 is greater than max 1"},
        {"step = 0", "step must be greater than 0"},    {"min = 1 min = 2", "given twice"}};
    for (const auto& [text, reason] : bad) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &value, text), 0) << text;
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        EXPECT_NE(printed.find("\"Speed\""), std::string::npos) << printed;
        EXPECT_NE(printed.find(reason), std::string::npos) << printed;
    }
    EXPECT_EQ(TwAddVarRW(bar, "Double", static_cast<TwType>(13), &value, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(bar, "Nothing", TW_TYPE_FLOAT, nullptr, nullptr), 0);
    EXPECT_EQ(TwGetBarVars(bar).size(), std::size(good));
}

using Panel = LibraryTest;

// Working the entries writes their bound variables only: a drop-down the chosen row (all fifteen
// clips listed), floats stepped or typed within their limits. (Where the rows lie, and choosing
// and typing in the running demo, the end-to-end panel tests check.)
TEST_F(Panel, WorkingTheEntriesWritesTheirVariablesWithinLimits) {
    DemoBar demo;
    PanelDriver driver(gl.Window(), demo.bar);
    driver.Choose("AnimationClips", 14);
    EXPECT_EQ(demo.clipIndex, 14);
    EXPECT_EQ(demo.weaponIndex, 0);
    driver.Step("Speed", true);
    EXPECT_EQ(demo.speed, 1.5f);
    for (int i = 0; i < 4; ++i) driver.Step("Speed", false);
    EXPECT_EQ(demo.speed, 0.0f);
    driver.Step("DeltaTime", true);
    EXPECT_FLOAT_EQ(demo.deltaTime, 0.023f);
    driver.Type("Speed", "42.25");
    EXPECT_EQ(demo.speed, 42.25f);
    driver.Type("Speed", "500");
    EXPECT_EQ(demo.speed, 300.0f);
    driver.Type("DeltaTime", "-3");
    EXPECT_EQ(demo.deltaTime, 0.0f);
}

// A deleted bar leaves the others, its pixels vanish, and its pointer is refused afterwards.
TEST_F(Panel, DeletingABarRemovesOnlyIt) {
    // Fraction of a rectangle of the window (origin top-left) not of the clear colour.
    const auto NotCleared = [](const TwRect& rect) {
        const int width = int(rect.width), height = int(rect.height);
        std::vector<unsigned char> rgba(std::size_t(width * height * 4));
        glReadPixels(int(rect.x), Height - int(rect.y) - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::size_t different = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4)
            different += rgba[i] != 51 || rgba[i + 1] != 153 || rgba[i + 2] != 230;
        return double(different) / double(width * height);
    };
    glClearColor(51 / 255.0f, 153 / 255.0f, 230 / 255.0f, 1.0f);
    DemoBar demo;
    TwBar* kept = TwNewBar("Kept");
    PanelDriver driver(gl.Window(), demo.bar);
    glClear(GL_COLOR_BUFFER_BIT);
    driver.Frames(1);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_GT(NotCleared(panel), 0.95);
    EXPECT_EQ(NotCleared(TwRect{600, 300, 600, 400}), 0.0);

    ASSERT_EQ(TwDeleteBar(demo.bar), 1);
    glClear(GL_COLOR_BUFFER_BIT);
    driver.Frames(1);
    EXPECT_EQ(NotCleared(TwRect{panel.x, panel.y, 20, panel.height}), 0.0);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
    EXPECT_EQ(TwGetBarByName("Kept"), kept);
    EXPECT_EQ(TwDeleteBar(demo.bar), 0);
    EXPECT_TRUE(LastErrorMentions("not a live bar"));
}

}  // namespace
