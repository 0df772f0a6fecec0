#pragma once
// A real SDL window with an OpenGL 3.3 core context, the library started on it, the demo's bar,
// and a driver that works the panels with SDL events the way a user would.
#include <SDL.h>
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "TweakBarQuery.h"

namespace TweakBarTest {

constexpr int kWindowWidth = 1400, kWindowHeight = 800;

// A window and a current GL context; the library is started unless a test asks otherwise.
class LibraryTest : public ::testing::Test {
protected:
    explicit LibraryTest(bool start = true) : start(start) {}
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        window = SDL_CreateWindow("TweakBar test", 0, 0, kWindowWidth, kWindowHeight, SDL_WINDOW_OPENGL);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
        if (!start) return;
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1) << TwGetLastError();
        ASSERT_EQ(TwWindowSize(kWindowWidth, kWindowHeight), 1);
    }
    void TearDown() override {
        TwTerminate();
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }

    bool start;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

inline bool LastErrorMentions(const char* text) {
    return std::string(TwGetLastError()).find(text) != std::string::npos;
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

inline TwRect ValueRect(const TwBar* bar, const char* name) {
    for (const TwVarInfo& info : TwGetBarVars(bar))
        if (info.name == name) return info.valueRect;
    ADD_FAILURE() << "no entry " << name;
    return {};
}

// Feeds SDL events through TwEventSDL with frames drawn in between, as the demo's event watch and
// frame loop do. Positions follow ImGui's default style: square step buttons 19 px wide, 4 px
// apart, at the right end of a field; a combo's list opens below it, rows 17 px apart from 8 px down.
class PanelDriver {
public:
    PanelDriver(SDL_Window* window, const TwBar* bar) : windowId(SDL_GetWindowID(window)), bar(bar) { Frames(2); }

    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_EQ(TwDraw(), 1) << TwGetLastError();
    }
    int Send(SDL_Event event) { return TwEventSDL(&event, 2, 0); }
    // Press and release with frames between, enough for a popup opened by the click to show.
    void Click(float x, float y) {
        SDL_Event event{};
        event.motion = SDL_MouseMotionEvent{SDL_MOUSEMOTION, 0, windowId, 0, 0, int(x), int(y), 0, 0};
        Send(event);
        Frames(1);
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            event.button = SDL_MouseButtonEvent{type, 0, windowId, 0, SDL_BUTTON_LEFT, 0, 1, 0, int(x), int(y)};
            Send(event);
            Frames(1);
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
        Frames(1);
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            event.key = SDL_KeyboardEvent{type, 0, windowId, 0, 0, 0, 0, SDL_Keysym{SDL_SCANCODE_RETURN, 0, 0, 0}};
            Send(event);
            Frames(1);
        }
    }

private:
    Uint32 windowId;
    const TwBar* bar;
};

// Fraction of a rectangle of the window (origin top-left) whose colour is not `rgb`.
inline double FractionNotOfColour(const TwRect& rect, const unsigned char rgb[3]) {
    const int width = static_cast<int>(rect.width), height = static_cast<int>(rect.height);
    std::vector<unsigned char> rgba(static_cast<size_t>(width * height * 4));
    glReadPixels(static_cast<int>(rect.x), kWindowHeight - static_cast<int>(rect.y) - height, width, height, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba.data());
    size_t different = 0;
    for (size_t i = 0; i < rgba.size(); i += 4)
        different += rgba[i] != rgb[0] || rgba[i + 1] != rgb[1] || rgba[i + 2] != rgb[2];
    return static_cast<double>(different) / static_cast<double>(width * height);
}

}  // namespace TweakBarTest
