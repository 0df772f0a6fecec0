// The library only works between TwInit and TwTerminate: before, every call fails cleanly and
// says so; TwInit accepts only the current OpenGL core context; TwTerminate forgets everything and
// the library can be started again.
#include <gtest/gtest.h>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using LifecycleTest = GlWindowTest;

TEST_F(LifecycleTest, EveryCallBeforeInitFailsAndNamesTheMissingTwInit) {
    float value = 0;
    const TwEnumVal values[] = {{0, "A"}};
    EXPECT_EQ(TwNewBar("Early"), nullptr);
    EXPECT_TRUE(LastErrorMentions("TwNewBar") && LastErrorMentions("TwInit"));
    EXPECT_EQ(TwDefineEnum("Early", values, 1), TW_TYPE_UNDEF);
    EXPECT_TRUE(LastErrorMentions("TwDefineEnum"));
    EXPECT_EQ(TwAddVarRW(nullptr, "value", TW_TYPE_FLOAT, &value, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("TwAddVarRW"));
    EXPECT_EQ(TwWindowSize(100, 100), 0);
    EXPECT_EQ(TwDraw(), 0);
    EXPECT_TRUE(LastErrorMentions("TwDraw"));
    EXPECT_EQ(TwTerminate(), 0);
    EXPECT_TRUE(LastErrorMentions("TwTerminate"));
    // Events flow before TwInit in the demo; they are ignored without complaint.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(TwEventSDL(&quit, 2, 0), 0);
    EXPECT_TRUE(LastErrorMentions("TwTerminate"));
}

TEST_F(LifecycleTest, OnlyTheCurrentOpenGlCoreContextIsAcceptedAndUsed) {
    for (TwGraphAPI api : {TW_OPENGL, TW_DIRECT3D9, TW_DIRECT3D10, TW_DIRECT3D11}) {
        EXPECT_EQ(TwInit(api, context), 0);
        EXPECT_TRUE(LastErrorMentions("only TW_OPENGL_CORE")) << TwGetLastError();
    }
    EXPECT_EQ(TwInit(TW_OPENGL_CORE, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("no device"));
    SDL_GLContext other = SDL_GL_CreateContext(window);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(TwInit(TW_OPENGL_CORE, context), 0);
    EXPECT_TRUE(LastErrorMentions("not the current OpenGL context"));
    SDL_GL_MakeCurrent(window, context);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1);
    EXPECT_EQ(TwInit(TW_OPENGL_CORE, context), 0);
    EXPECT_TRUE(LastErrorMentions("already initialised"));
    // Drawing into another context would use names that are not ours there.
    SDL_GL_MakeCurrent(window, other);
    EXPECT_EQ(TwDraw(), 0);
    EXPECT_TRUE(LastErrorMentions("not current"));
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_DeleteContext(other);
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(TwTerminate(), 1);
}

TEST_F(LifecycleTest, TerminateForgetsBarsEnumsAndSizeAndInitStartsAfresh) {
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1);
    TwWindowSize(kWindowWidth, kWindowHeight);
    TwNewBar("Old");
    const TwEnumVal values[] = {{0, "A"}};
    const TwType oldType = TwDefineEnum("Old", values, 1);
    ASSERT_EQ(TwTerminate(), 1);
    EXPECT_EQ(TwTerminate(), 0);

    ASSERT_EQ(TwInit(TW_OPENGL_CORE, context), 1);
    EXPECT_EQ(TwGetBarByName("Old"), nullptr);
    EXPECT_EQ(TwGetEnumLabel(oldType, 0), nullptr);
    int width = -1, height = -1;
    TwGetWindowSize(&width, &height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    // Without a size the panels follow the window, and the restarted library draws them.
    DemoBar demo;
    PanelDriver(window).Frames(2);
    const unsigned char black[3] = {0, 0, 0};
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_EQ(TwGetBarRect(demo.bar).width, 306.0f);
    EXPECT_GT(FractionNotOfColour(TwGetBarRect(demo.bar), black), 0.95);
    EXPECT_EQ(TwWindowSize(-1, 800), 0);
    EXPECT_TRUE(LastErrorMentions("negative size"));
    EXPECT_EQ(TwTerminate(), 1);
}

}  // namespace
}  // namespace TweakBarTest
