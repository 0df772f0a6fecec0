// TwDraw draws the panels where the layout says and nowhere else, keeps them inside the display
// size given, and leaves the GL state the renderer relies on as it found it.
#include <gtest/gtest.h>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using PanelDrawingTest = LibraryTest;

// Hand-computed from ImGui's default style and its 7-pixel-wide, 13-pixel-high font: the corner
// at (10, 10); a 19 px title bar and 8 px padding put the first row at y = 37; rows are 19 px high
// and 23 px apart; the value column starts after 8 px padding, the widest name ("Speed_Walk_Start",
// 16 glyphs, 112 px) and 8 px spacing, at x = 138; every value widget is 170 px wide.
TEST_F(PanelDrawingTest, TheDemoBarIsLaidOutTopLeftInRowsInTheOrderAdded) {
    DemoBar demo;
    PanelDriver(window).Frames(2);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_EQ(panel.x, 10.0f);
    EXPECT_EQ(panel.y, 10.0f);
    EXPECT_EQ(panel.width, 8.0f + 112 + 8 + 170 + 8);
    EXPECT_EQ(panel.height, 19.0f + 8 + 5 * 19 + 4 * 4 + 8);
    const char* rows[] = {"AnimationClips", "WeaponTypes", "DeltaTime", "Speed", "Speed_Walk_Start"};
    for (int row = 0; row < 5; ++row) {
        const TwRect value = ValueRect(demo.bar, rows[row]);
        EXPECT_EQ(value.x, 138.0f) << rows[row];
        EXPECT_EQ(value.y, 37.0f + 23.0f * static_cast<float>(row)) << rows[row];
        EXPECT_EQ(value.width, 170.0f) << rows[row];
        EXPECT_EQ(value.height, 19.0f) << rows[row];
    }
}

TEST_F(PanelDrawingTest, PixelsChangeWhereThePanelIsAndNowhereElseAndVanishWithTheBar) {
    const unsigned char clear[3] = {51, 153, 230};
    glClearColor(51 / 255.0f, 153 / 255.0f, 230 / 255.0f, 1.0f);
    DemoBar demo;
    PanelDriver(window).Frames(2);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_EQ(TwDraw(), 1);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_GT(FractionNotOfColour(panel, clear), 0.95);
    EXPECT_EQ(FractionNotOfColour(TwRect{400, 200, 600, 500}, clear), 0.0);
    ASSERT_EQ(TwDeleteBar(demo.bar), 1);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_EQ(FractionNotOfColour(panel, clear), 0.0);
}

// Panels keep 10 px from the display's edges: they shrink to fit, one that would hang over an edge
// moves back in, and they regain their size when the display grows again.
TEST_F(PanelDrawingTest, PanelsStayInsideTheDisplaySize) {
    DemoBar demo;
    for (char name[] = "Filler0"; name[6] <= '7'; ++name[6]) TwNewBar(name);
    TwBar* last = TwNewBar("Last");
    PanelDriver driver(window);
    driver.Frames(2);
    const TwRect before = TwGetBarRect(last);
    ASSERT_EQ(before.x, 10.0f + 9 * 24);  // each later bar opens 24 px further down and right
    ASSERT_EQ(TwWindowSize(240, 240), 1);
    driver.Frames(2);
    const TwRect moved = TwGetBarRect(last), shrunk = TwGetBarRect(demo.bar);
    EXPECT_EQ(moved.x + moved.width, 230.0f);
    EXPECT_EQ(moved.y + moved.height, 230.0f);
    EXPECT_EQ(moved.width, before.width);
    EXPECT_EQ(shrunk.x, 10.0f);
    EXPECT_EQ(shrunk.width, 220.0f);
    ASSERT_EQ(TwWindowSize(kWindowWidth, kWindowHeight), 1);
    driver.Frames(2);
    EXPECT_EQ(TwGetBarRect(demo.bar).width, 306.0f);
}

GLuint LinkEmptyProgram() {
    const char* source = "#version 330 core\nvoid main() { gl_Position = vec4(0.0); }\n";
    const GLuint program = glCreateProgram(), shader = glCreateShader(GL_VERTEX_SHADER);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    glAttachShader(program, shader);
    glLinkProgram(program);
    glDeleteShader(shader);
    return program;
}

TEST_F(PanelDrawingTest, LeavesTheRenderersGlStateAsItFoundIt) {
    DemoBar demo;
    const GLuint program = LinkEmptyProgram();
    GLuint vertexArray = 0, buffer = 0, texture = 0;
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &buffer);
    glGenTextures(1, &texture);
    glUseProgram(program);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glActiveTexture(GL_TEXTURE3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glViewport(5, 6, 700, 300);
    glScissor(1, 2, 3, 4);
    glBlendFunc(GL_ONE, GL_ZERO);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);

    PanelDriver(window).Frames(3);

    const auto integer = [](GLenum name) {
        GLint value[4] = {};
        glGetIntegerv(name, value);
        return std::vector<GLint>(value, value + 4);
    };
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM)[0], static_cast<GLint>(program));
    EXPECT_EQ(integer(GL_VERTEX_ARRAY_BINDING)[0], static_cast<GLint>(vertexArray));
    EXPECT_EQ(integer(GL_ARRAY_BUFFER_BINDING)[0], static_cast<GLint>(buffer));
    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE)[0], GL_TEXTURE3);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D)[0], static_cast<GLint>(texture));
    EXPECT_EQ(integer(GL_VIEWPORT), (std::vector<GLint>{5, 6, 700, 300}));
    EXPECT_EQ(integer(GL_SCISSOR_BOX), (std::vector<GLint>{1, 2, 3, 4}));
    EXPECT_EQ(integer(GL_BLEND_SRC_RGB)[0], GL_ONE);
    EXPECT_EQ(integer(GL_BLEND_DST_RGB)[0], GL_ZERO);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace TweakBarTest
