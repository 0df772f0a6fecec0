// The frame: Render fills all of it, its size follows ResizeRenderTargets, ReadFrame returns it top
// row first, and whatever is drawn after Render (the tweak bar) stays in it through Present.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>

namespace {

using TestSupport::FrameImage;
using TestSupport::OffscreenRenderer;

// Clears the rectangle given in OpenGL window coordinates (origin at the bottom left) of the
// framebuffer bound now.
void ClearRegion(int x, int y, int w, int h, float r, float g, float b) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, w, h);
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

bool IsPureRed(const TestSupport::Pixel& p) { return p.r == 255 && p.g == 0 && p.b == 0; }

TEST(Frame, RenderCoversEveryPixelOpaquely) {
    OffscreenRenderer gl(64, 48);
    ASSERT_TRUE(gl);
    gl->Render();
    ClearRegion(0, 0, 64, 48, 1.0f, 0.0f, 0.0f);  // stale contents the next Render must replace
    const FrameImage frame = gl.RenderAndRead();
    for (unsigned y = 0; y < frame.height; ++y) {
        for (unsigned x = 0; x < frame.width; ++x) {
            const TestSupport::Pixel p = frame.At(x, y);
            ASSERT_EQ(p.a, 255) << x << "," << y;
            ASSERT_FALSE(IsPureRed(p)) << x << "," << y;
        }
    }
}

TEST(Frame, ReadBackSizeFollowsResize) {
    OffscreenRenderer gl(64, 48);
    ASSERT_TRUE(gl);
    gl->ResizeRenderTargets(200, 90);
    EXPECT_EQ(gl->GetRenderTargetWidth(), 200u);
    EXPECT_EQ(gl->GetRenderTargetHeight(), 90u);
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_EQ(frame.width, 200u);
    EXPECT_EQ(frame.height, 90u);
    EXPECT_EQ(frame.rgba.size(), 200u * 90u * 4u);
    EXPECT_EQ(frame.At(199, 89).a, 255);
}

TEST(Frame, ZeroSizeBecomesOnePixel) {
    OffscreenRenderer gl(64, 48);
    ASSERT_TRUE(gl);
    gl->ResizeRenderTargets(0, 0);
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_EQ(frame.width, 1u);
    EXPECT_EQ(frame.height, 1u);
    EXPECT_EQ(frame.rgba.size(), 4u);
}

TEST(Frame, ReadFrameReturnsTheTopRowFirst) {
    OffscreenRenderer gl(40, 40);
    ASSERT_TRUE(gl);
    gl->Render();
    ClearRegion(0, 0, 40, 10, 1.0f, 0.0f, 0.0f);  // the bottom ten rows
    const FrameImage frame = gl.Read();
    EXPECT_TRUE(IsPureRed(frame.At(20, 35)));
    EXPECT_TRUE(IsPureRed(frame.At(20, 30)));
    EXPECT_FALSE(IsPureRed(frame.At(20, 29)));
    EXPECT_FALSE(IsPureRed(frame.At(20, 0)));
}

TEST(Frame, DrawingAfterRenderStaysInTheFrameThroughPresent) {
    OffscreenRenderer gl(40, 40);
    ASSERT_TRUE(gl);
    gl->Render();
    ClearRegion(0, 30, 10, 10, 1.0f, 0.0f, 0.0f);  // top-left corner, like the tweak panel
    gl->Present();
    const FrameImage frame = gl.Read();
    EXPECT_TRUE(IsPureRed(frame.At(5, 5)));
    EXPECT_FALSE(IsPureRed(frame.At(30, 30)));
}

TEST(Frame, DrawingAfterPresentGoesToTheFrameNotTheWindow) {
    OffscreenRenderer gl(40, 40);
    ASSERT_TRUE(gl);
    gl->Render();
    gl->Present();
    ClearRegion(30, 0, 10, 10, 1.0f, 0.0f, 0.0f);
    EXPECT_TRUE(IsPureRed(gl.Read().At(35, 35)));
}

}  // namespace
