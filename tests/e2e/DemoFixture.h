#pragma once
// One run of the program per test, from a directory that holds its resources, with the pictures
// and output kept under the test's own name. Every test ends the way a user ends the program:
// Escape, and the exit code must be 0.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Pictures.h"
#include "RunningDemo.h"

namespace EndToEnd {

class DemoFixture : public ::testing::Test {
protected:
    // The directory the program runs in; the build directory, where resources/ is generated.
    virtual std::string WorkingDirectory() { return VANTOR_BUILD_DIR; }

    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name) {
            c = c == '/' ? '_' : c;
        }
        output = std::filesystem::path(E2E_OUTPUT_DIR) / name;
        std::filesystem::remove_all(output);
        std::filesystem::create_directories(output);
        demo = std::make_unique<RunningDemo>(WorkingDirectory(), output.string());
        ASSERT_TRUE(demo->HasWindow());
    }

    void TearDown() override {
        if (demo && demo->HasWindow()) {
            EXPECT_EQ(demo->Quit(), 0) << "Escape must end the program with exit code 0";
        }
    }

    // Takes pictures about a quarter of a second apart until one satisfies `condition` or about
    // `seconds` have passed; returns the last one.
    TestSupport::FrameImage CaptureUntil(const std::string& name,
                                         const std::function<bool(const TestSupport::FrameImage&)>& condition,
                                         double seconds = 30.0);

    std::filesystem::path output;
    std::unique_ptr<RunningDemo> demo;
};

}  // namespace EndToEnd
