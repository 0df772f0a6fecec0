#include "RunningDemo.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace EndToEnd {
namespace {

using namespace std::chrono_literals;

// Long enough for a frame to pass while a key or button is held, even on a loaded machine; the
// program samples input once per frame, so a shorter press could fall between two samples.
constexpr auto HoldTime = 250ms;

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            text += buffer;
        }
        pclose(pipe);
    }
    return text;
}

bool Run(const std::string& command) {
    const bool succeeded = std::system(command.c_str()) == 0;
    if (!succeeded) {
        ADD_FAILURE() << "failed: " << command;
    }
    return succeeded;
}

}  // namespace

RunningDemo::RunningDemo(const std::string& workingDirectory, const std::string& output)
    : outputDirectory(output), program(VANTOR_EXECUTABLE, workingDirectory, "x11", output) {
    if (!program.Started()) {
        ADD_FAILURE() << "could not start " << VANTOR_EXECUTABLE;
        return;
    }
    const std::string found = Output("timeout 90 xdotool search --sync --onlyvisible --name '^Vantor v0.0$'");
    windowId = found.substr(0, found.find('\n'));
    if (windowId.empty()) {
        ADD_FAILURE() << "no window titled \"Vantor v0.0\" appeared; stderr:\n" << program.StandardError();
        return;
    }
    user = std::make_unique<DemoTest::XInputDriver>(windowId);
}

TestSupport::FrameImage RunningDemo::Capture(const std::string& name) {
    const std::string png = outputDirectory + "/" + name + ".png";
    const std::string raw = outputDirectory + "/" + name + ".rgba";
    TestSupport::FrameImage image;
    if (!Run("import -window " + windowId + " " + png) || !Run("convert " + png + " -depth 8 rgba:" + raw)) {
        return image;
    }
    std::sscanf(Output("identify -format '%w %h' " + png).c_str(), "%u %u", &image.width, &image.height);
    image.rgba.resize(std::size_t{image.width} * image.height * 4);
    std::ifstream in(raw, std::ios::binary);
    in.read(reinterpret_cast<char*>(image.rgba.data()), static_cast<std::streamsize>(image.rgba.size()));
    if (!in || image.rgba.empty()) {
        ADD_FAILURE() << "could not read the picture " << png;
        image = TestSupport::FrameImage{};
    }
    std::remove(raw.c_str());
    return image;
}

void RunningDemo::Resize(int width, int height) {
    Run("xdotool windowsize --sync " + windowId + " " + std::to_string(width) + " " + std::to_string(height));
}

void RunningDemo::Click(int x, int y) {
    user->MovePointer(x, y);
    // The panel sees the pointer over an item in one frame before the press counts there.
    std::this_thread::sleep_for(2 * HoldTime);
    user->PressButton(1);
    std::this_thread::sleep_for(HoldTime);
    user->ReleaseButton(1);
    std::this_thread::sleep_for(HoldTime);
}

void RunningDemo::Tap(const std::string& key) {
    user->PressKey(key);
    std::this_thread::sleep_for(HoldTime);
    user->ReleaseKey(key);
    std::this_thread::sleep_for(HoldTime);
}

void RunningDemo::Type(const std::string& text) {
    Tap("ctrl+a");
    Run("xdotool type --delay 150 '" + text + "'");
    Tap("Return");
}

std::optional<int> RunningDemo::Quit() {
    if (!program.IsRunning()) {
        return program.WaitForExit(0);
    }
    if (user) {
        user->PressKey("Escape");
    }
    const std::optional<int> code = program.WaitForExit(1200);
    if (user) {
        user->ReleaseKey("Escape");
    }
    return code;
}

}  // namespace EndToEnd
