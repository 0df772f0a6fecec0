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

// A window and a current GL context, without the library.
class GlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        window = SDL_CreateWindow("TweakBar test", 0, 0, kWindowWidth, kWindowHeight, SDL_WINDOW_OPENGL);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }

    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

// The library running on that window, sized to it.
class LibraryTest : public GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1) << TwGetLastError();
        ASSERT_EQ(TwWindowSize(kWindowWidth, kWindowHeight), 1);
    }
    void TearDown() override {
        TwTerminate();
        GlWindowTest::TearDown();
    }
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
        clipType = TwDefineEnum("AnimationClips", clips, 15);
        weaponType = TwDefineEnum("WeaponTypes", weapons, 4);
        TwAddVarRW(bar, "AnimationClips", clipType, &clipIndex, nullptr);
        TwAddVarRW(bar, "WeaponTypes", weaponType, &weaponIndex, nullptr);
        TwAddVarRW(bar, "DeltaTime", TW_TYPE_FLOAT, &deltaTime, "min = 0 max = 1 step = 0.016");
        TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, "min = 0 max = 300 step = 0.5");
        TwAddVarRW(bar, "Speed_Walk_Start", TW_TYPE_FLOAT, &speedWalkStart, "min = 0 max = 300 step = 0.5");
    }

    TwBar* bar = nullptr;
    TwType clipType = TW_TYPE_UNDEF, weaponType = TW_TYPE_UNDEF;
    int clipIndex = 5, weaponIndex = 0;
    float deltaTime = 0.007f, speed = 1.0f, speedWalkStart = 1.0f;
};

inline TwRect ValueRect(const TwBar* bar, const char* name) {
    for (const TwVarInfo& info : TwGetBarVars(bar)) {
        if (info.name == name) return info.valueRect;
    }
    ADD_FAILURE() << "no entry " << name;
    return {};
}

// Feeds SDL events through TwEventSDL and draws frames in between, as the demo's event watch and
// frame loop do.
class PanelDriver {
public:
    explicit PanelDriver(SDL_Window* window) : windowId(SDL_GetWindowID(window)) {}

    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_EQ(TwDraw(), 1) << TwGetLastError();
    }
    int Send(SDL_Event event) { return TwEventSDL(&event, 2, 0); }
    int MoveTo(float x, float y) {
        SDL_Event event{};
        event.motion.type = SDL_MOUSEMOTION;
        event.motion.windowID = windowId;
        event.motion.x = static_cast<Sint32>(x);
        event.motion.y = static_cast<Sint32>(y);
        return Send(event);
    }
    // Press and release with frames between, enough for a popup opened by the click to show.
    void Click(float x, float y) {
        MoveTo(x, y);
        Frames(1);
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.button.type = type;
            event.button.windowID = windowId;
            event.button.button = SDL_BUTTON_LEFT;
            event.button.x = static_cast<Sint32>(x);
            event.button.y = static_cast<Sint32>(y);
            Send(event);
            Frames(1);
        }
        Frames(1);
    }
    // Text typed into the focused field, then Return.
    void Type(const char* text) {
        SDL_Event event{};
        event.text.type = SDL_TEXTINPUT;
        event.text.windowID = windowId;
        SDL_strlcpy(event.text.text, text, sizeof event.text.text);
        Send(event);
        Frames(1);
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            event = SDL_Event{};
            event.key.type = type;
            event.key.windowID = windowId;
            event.key.keysym.scancode = SDL_SCANCODE_RETURN;
            Send(event);
            Frames(1);
        }
    }

private:
    Uint32 windowId;
};

// Fraction of a rectangle of the current framebuffer (window pixels, origin top-left) whose colour
// differs from `rgb`.
inline double FractionNotOfColour(const TwRect& rect, const unsigned char rgb[3]) {
    const int width = static_cast<int>(rect.width), height = static_cast<int>(rect.height);
    std::vector<unsigned char> rgba(static_cast<size_t>(width * height * 4));
    glReadPixels(static_cast<int>(rect.x), kWindowHeight - static_cast<int>(rect.y) - height, width, height, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba.data());
    size_t different = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        different += rgba[i] != rgb[0] || rgba[i + 1] != rgb[1] || rgba[i + 2] != rgb[2];
    }
    return static_cast<double>(different) / static_cast<double>(width * height);
}

}  // namespace TweakBarTest
