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
    if (program && !exitCode) {
        EXPECT_EQ(Quit(), 0) << "Escape must end the program with exit code 0";
    }
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

FrameImage DemoFixture::FindPanelEntries() {
    const FrameImage start = CaptureUntil("start", [](const FrameImage& p) { return HorizonRow(p) > 0 && FindPanel(p).Width() > 150; });
    panel = FindPanel(start);
    window = Rect{0, 0, int(start.width) - 1, int(start.height) - 1};
    // A third of the way into the 170-pixel value fields, which end at the panel's right
    // padding: clear of the step buttons at their right end.
    valueX = panel.right - 8 - 170 * 2 / 3;
    labelLines = TextLines(start, Rect{panel.left + 2, panel.top, valueX - 60, panel.bottom});
    // The panel's own look (hover, focus, the values shown) is not what the tests judge.
    panel.right += 8;
    panel.bottom += 8;
    return start;
}

void DemoFixture::SetPanelNumber(Entry entry, const char* value) {
    Click(valueX, Row(entry));
    Tap("ctrl+a");
    TestSupport::XdoTool("type --delay 150 '" + std::string(value) + "'");
    Tap("Return");
    User().MovePointer(window.Width() / 2, window.Height() * 3 / 8);
}

std::optional<int> DemoFixture::Quit() {
    if (!exitCode) exitCode = program->Quit();
    return *exitCode;
}

}  // namespace EndToEnd
