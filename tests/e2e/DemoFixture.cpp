#include "DemoFixture.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

namespace EndToEnd {
namespace {

using namespace std::chrono_literals;

// Long enough for a frame to pass while a key or button is held, even on a loaded machine: the
// program samples input once per frame, so a shorter press could fall between two samples.
constexpr auto HoldTime = 250ms;

}  // namespace

void DemoFixture::SetUp() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path pictures = std::filesystem::path(E2E_OUTPUT_DIR) / name;
    std::filesystem::remove_all(pictures);
    std::filesystem::create_directories(pictures);
    std::filesystem::current_path(pictures);  // where Capture writes
    program.emplace(VANTOR_EXECUTABLE, WorkingDirectory());
    ASSERT_TRUE(program->WaitForWindow()) << "no window titled \"Vantor v0.0\"; stderr:\n"
                                          << program->StandardError();
}

void DemoFixture::TearDown() {
    if (!program) return;  // the working directory could not be prepared
    EXPECT_EQ(program->Quit(), 0) << "Escape must end the program with exit code 0";
}

FrameImage DemoFixture::CaptureUntil(const std::string& name, const std::function<bool(const FrameImage&)>& condition,
                                     double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    FrameImage picture;
    do {
        picture = Capture(name);
        if (picture.width > 0 && condition(picture)) break;
        std::this_thread::sleep_for(250ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return picture;
}

FrameImage DemoFixture::CaptureStill(const std::string& name, const Rect& ignored) {
    FrameImage previous = Capture(name + "-settling");
    return CaptureUntil(name, [&](const FrameImage& p) { return Compare(std::exchange(previous, p), p, ignored).count == 0; });
}

FrameImage DemoFixture::CaptureChange(const FrameImage& before, const std::string& name, const Rect& ignored,
                                      double seconds) {
    return CaptureUntil(name, [&](const FrameImage& p) { return Compare(before, p, ignored).count != 0; }, seconds);
}

Changes DemoFixture::ChangesWithin(const FrameImage& still, const std::string& name, double seconds,
                                   const Rect& ignored) {
    return Compare(still, CaptureChange(still, name, ignored, seconds), ignored);
}

void DemoFixture::Click(int x, int y) {
    User().MovePointer(x, y);
    // The panel must see the pointer over an item in a frame before the press counts there.
    std::this_thread::sleep_for(2 * HoldTime);
    User().PressButton(1);
    std::this_thread::sleep_for(HoldTime);
    User().ReleaseButton(1);
    std::this_thread::sleep_for(HoldTime);
}

void DemoFixture::Tap(const std::string& key) {
    User().PressKey(key);
    std::this_thread::sleep_for(HoldTime);
    User().ReleaseKey(key);
    std::this_thread::sleep_for(HoldTime);
}

}  // namespace EndToEnd
