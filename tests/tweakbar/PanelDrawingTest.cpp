// TwDraw draws the panels where the layout says, into whatever framebuffer is bound, and leaves
// the GL state the renderer relies on as it found it.
#include <gtest/gtest.h>

#include <string>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

const unsigned char kClearColour[3] = {51, 153, 230};

void ClearToTestColour() {
    glClearColor(kClearColour[0] / 255.0f, kClearColour[1] / 255.0f, kClearColour[2] / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

using PanelDrawingTest = LibraryTest;

// Hand-computed from ImGui's default style and 7-pixel-wide 13-pixel font: the panel's corner at
// (10, 10); a 19 px title bar and 8 px padding put the first row at y = 37; rows are 19 px high
// and 23 px apart; the value column starts after the widest name, "Speed_Walk_Start" (16 glyphs,
// 112 px), and 8 px of spacing, at x = 10 + 8 + 112 + 8 = 138; every value widget is 170 px wide.
TEST_F(PanelDrawingTest, TheDemoBarIsLaidOutTopLeftInRowsInTheOrderAdded) {
    DemoBar demo;
    PanelDriver(window).Frames(2);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_EQ(panel.x, 10.0f);
    EXPECT_EQ(panel.y, 10.0f);
    EXPECT_EQ(panel.width, 8.0f + 112 + 8 + 170 + 8);
    EXPECT_EQ(panel.height, 19.0f + 8 + 5 * 19 + 4 * 4 + 8);
    const char* order[] = {"AnimationClips", "WeaponTypes", "DeltaTime", "Speed", "Speed_Walk_Start"};
    for (int row = 0; row < 5; ++row) {
        const TwRect value = FindValueRect(demo.bar, order[row]);
        EXPECT_EQ(value.x, 138.0f) << order[row];
        EXPECT_EQ(value.y, 37.0f + 23.0f * static_cast<float>(row)) << order[row];
        EXPECT_EQ(value.width, 170.0f) << order[row];
        EXPECT_EQ(value.height, 19.0f) << order[row];
    }
}

TEST_F(PanelDrawingTest, ThePanelCoversItsRectangleAndNothingFarFromIt) {
    DemoBar demo;
    PanelDriver(window).Frames(2);
    ClearToTestColour();
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_GT(FractionNotOfColour(TwGetBarRect(demo.bar), kClearColour), 0.95);
    EXPECT_EQ(FractionNotOfColour(TwRect{400, 200, 600, 500}, kClearColour), 0.0);
}

TEST_F(PanelDrawingTest, LaterBarsOpenFurtherDownAndRight) {
    TwBar* first = TwNewBar("First");
    TwBar* second = TwNewBar("Second");
    PanelDriver(window).Frames(2);
    EXPECT_EQ(TwGetBarRect(second).x, TwGetBarRect(first).x + 24);
    EXPECT_EQ(TwGetBarRect(second).y, TwGetBarRect(first).y + 24);
}

TEST_F(PanelDrawingTest, ADeletedBarIsNoLongerDrawn) {
    DemoBar demo;
    PanelDriver(window).Frames(2);
    const TwRect panel = TwGetBarRect(demo.bar);
    ASSERT_EQ(TwDeleteBar(demo.bar), 1);
    ClearToTestColour();
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_EQ(FractionNotOfColour(panel, kClearColour), 0.0);
}

// A panel keeps 10 px away from the display's edges.
TEST_F(PanelDrawingTest, ASmallerWindowSizeShrinksThePanelToFitAndAGrownOneRestoresIt) {
    DemoBar demo;
    PanelDriver driver(window);
    driver.Frames(2);
    ASSERT_EQ(TwWindowSize(200, 90), 1);
    driver.Frames(2);
    const TwRect small = TwGetBarRect(demo.bar);
    EXPECT_EQ(small.x, 10.0f);
    EXPECT_EQ(small.y, 10.0f);
    EXPECT_EQ(small.width, 180.0f);
    EXPECT_EQ(small.height, 70.0f);
    ASSERT_EQ(TwWindowSize(kWindowWidth, kWindowHeight), 1);
    driver.Frames(2);
    EXPECT_EQ(TwGetBarRect(demo.bar).width, 306.0f);
    EXPECT_EQ(TwGetBarRect(demo.bar).height, 146.0f);
}

TEST_F(PanelDrawingTest, APanelBeyondTheShrunkDisplayMovesBackInside) {
    for (int i = 0; i < 9; ++i) TwNewBar(("Filler" + std::to_string(i)).c_str());
    TwBar* last = TwNewBar("Last");
    PanelDriver driver(window);
    driver.Frames(2);
    const TwRect before = TwGetBarRect(last);
    ASSERT_EQ(before.x, 10.0f + 9 * 24);
    ASSERT_EQ(TwWindowSize(240, 240), 1);
    driver.Frames(2);
    const TwRect after = TwGetBarRect(last);
    EXPECT_EQ(after.x + after.width, 230.0f);
    EXPECT_EQ(after.y + after.height, 230.0f);
    EXPECT_EQ(after.width, before.width);
}

TEST_F(PanelDrawingTest, DrawsIntoTheBoundFramebufferObject) {
    DemoBar demo;
    PanelDriver(window).Frames(2);
    GLuint texture = 0, framebuffer = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kWindowWidth, kWindowHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    ClearToTestColour();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    ClearToTestColour();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    ASSERT_EQ(TwDraw(), 1);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_GT(FractionNotOfColour(panel, kClearColour), 0.95);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    EXPECT_EQ(FractionNotOfColour(panel, kClearColour), 0.0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &texture);
}

// The state a renderer sets up once and expects to find again after the overlay.
struct RendererState {
    GLint program, vertexArray, arrayBuffer, texture, activeTexture, framebuffer;
    GLint viewport[4], scissorBox[4], blendSrc, blendDst;
    GLboolean depthTest, cullFace, blend, scissorTest, depthMask;
    GLfloat clearColour[4];

    static RendererState Read() {
        RendererState s{};
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vertexArray);
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &s.arrayBuffer);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &s.activeTexture);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture);
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.framebuffer);
        glGetIntegerv(GL_VIEWPORT, s.viewport);
        glGetIntegerv(GL_SCISSOR_BOX, s.scissorBox);
        glGetIntegerv(GL_BLEND_SRC_RGB, &s.blendSrc);
        glGetIntegerv(GL_BLEND_DST_RGB, &s.blendDst);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.cullFace = glIsEnabled(GL_CULL_FACE);
        s.blend = glIsEnabled(GL_BLEND);
        s.scissorTest = glIsEnabled(GL_SCISSOR_TEST);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depthMask);
        glGetFloatv(GL_COLOR_CLEAR_VALUE, s.clearColour);
        return s;
    }
};

GLuint LinkTrivialProgram() {
    const char* vertex = "#version 330 core\nvoid main() { gl_Position = vec4(0.0); }\n";
    const char* fragment = "#version 330 core\nout vec4 colour;\nvoid main() { colour = vec4(1.0); }\n";
    const GLuint program = glCreateProgram();
    for (auto [stage, source] : {std::pair{GL_VERTEX_SHADER, vertex}, std::pair{GL_FRAGMENT_SHADER, fragment}}) {
        const GLuint shader = glCreateShader(stage);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
        glDeleteShader(shader);
    }
    glLinkProgram(program);
    return program;
}

TEST_F(PanelDrawingTest, LeavesTheRenderersGlStateAsItFoundIt) {
    DemoBar demo;
    const GLuint program = LinkTrivialProgram();
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
    glDepthMask(GL_TRUE);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    const RendererState before = RendererState::Read();

    PanelDriver(window).Frames(3);

    const RendererState after = RendererState::Read();
    EXPECT_EQ(after.program, static_cast<GLint>(program));
    EXPECT_EQ(after.vertexArray, before.vertexArray);
    EXPECT_EQ(after.arrayBuffer, before.arrayBuffer);
    EXPECT_EQ(after.activeTexture, GL_TEXTURE3);
    EXPECT_EQ(after.texture, before.texture);
    EXPECT_EQ(after.framebuffer, before.framebuffer);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after.viewport[i], before.viewport[i]);
        EXPECT_EQ(after.scissorBox[i], before.scissorBox[i]);
        EXPECT_EQ(after.clearColour[i], before.clearColour[i]);
    }
    EXPECT_EQ(after.blendSrc, GL_ONE);
    EXPECT_EQ(after.blendDst, GL_ZERO);
    EXPECT_TRUE(after.depthTest && after.cullFace && after.depthMask);
    EXPECT_FALSE(after.blend || after.scissorTest);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteTextures(1, &texture);
    glDeleteBuffers(1, &buffer);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteProgram(program);
}

}  // namespace
}  // namespace TweakBarTest
