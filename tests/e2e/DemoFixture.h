#pragma once
// One run of the vantor executable per test on the test's X display, seen and driven from outside
// as a person would: pictures of its window, keys and mouse through xdotool. Pictures are kept
// under the test's own name; every test ends as a user ends the program, Escape, exit code 0.
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <TestSupport/XSession.h>

#include "Pictures.h"

namespace EndToEnd {

class DemoFixture : public ::testing::Test {
protected:
    // The directory the program runs in: the build directory, where resources/ is generated.
    virtual std::string WorkingDirectory() { return VANTOR_BUILD_DIR; }

    void SetUp() override;
    void TearDown() override;

    TestSupport::XUser& User() { return program->User(); }
    // The window's contents, kept as <name>.ppm in the test's picture directory.
    FrameImage Capture(const std::string& name) { return program->Capture(name); }
    // Pictures a quarter of a second apart until one satisfies `condition` (about `seconds` at most).
    FrameImage CaptureUntil(const std::string& name, const std::function<bool(const FrameImage&)>& condition,
                            double seconds = 30.0);
    // Pictures until two in a row are the same outside `ignored`; the last.
    FrameImage CaptureStill(const std::string& name, const Rect& ignored);
    // Pictures until one differs from `before` outside `ignored`, for about `seconds` at most.
    FrameImage CaptureChange(const FrameImage& before, const std::string& name, const Rect& ignored, double seconds = 30.0);
    // How the first picture that differs from `still` outside `ignored` within about `seconds` does.
    Changes ChangesWithin(const FrameImage& still, const std::string& name, double seconds, const Rect& ignored);
    // Presses the left button at window coordinates and lets go, each step held long enough for
    // the program to see it in a frame of its own.
    void Click(int x, int y);
    // Holds a key (an X key name) for a few frames and lets go.
    void Tap(const std::string& key);

    std::optional<TestSupport::RunningProgram> program;
};

}  // namespace EndToEnd
