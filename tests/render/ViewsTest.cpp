// Views belong to the renderer: CreateView hands out a view with the given values, ReleaseView
// deletes it, and bad pointers are refused without harm.
#include <string>

#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>

namespace {

TEST(Views, CreateViewKeepsTheGivenValues) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RenderInterface::CameraView* view = gl->CreateView(1400.0f, 800.0f, 0.1f, 10000.0f, 0.7853982f);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->width, 1400.0f);
    EXPECT_EQ(view->height, 800.0f);
    EXPECT_EQ(view->nearPlane, 0.1f);
    EXPECT_EQ(view->farPlane, 10000.0f);
    EXPECT_EQ(view->fovY, 0.7853982f);
    gl->ReleaseView(view);
}

TEST(Views, EachCreateViewGivesANewView) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RenderInterface::CameraView* a = gl->CreateView(10, 10, 1, 100, 1);
    RenderInterface::CameraView* b = gl->CreateView(10, 10, 1, 100, 1);
    EXPECT_NE(a, b);
    gl->ReleaseView(a);
    gl->ReleaseView(b);
}

TEST(Views, ReleasingNullOrAForeignViewIsHarmless) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RenderInterface::CameraView foreign;
    gl->ReleaseView(nullptr);
    ::testing::internal::CaptureStderr();
    gl->ReleaseView(&foreign);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("ReleaseView"), std::string::npos) << message;
}

TEST(Views, ReleasingTwiceIsReportedNotFatal) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    RenderInterface::CameraView* view = gl->CreateView(10, 10, 1, 100, 1);
    gl->ReleaseView(view);
    ::testing::internal::CaptureStderr();
    gl->ReleaseView(view);
    EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
}

TEST(Views, UnusableProjectionIsReported) {
    TestSupport::OffscreenRenderer gl(32, 32);
    ASSERT_TRUE(gl);
    ::testing::internal::CaptureStderr();
    RenderInterface::CameraView* view = gl->CreateView(10, 10, 0.0f, -1.0f, 0.0f);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(view, nullptr);
    EXPECT_NE(message.find("CreateView"), std::string::npos) << message;
    gl->Render();
}

}  // namespace
