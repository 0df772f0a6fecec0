#include "DemoFixture.h"

#include <chrono>
#include <thread>

namespace EndToEnd {

TestSupport::FrameImage DemoFixture::CaptureUntil(
    const std::string& name, const std::function<bool(const TestSupport::FrameImage&)>& condition, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    TestSupport::FrameImage picture;
    do {
        picture = demo->Capture(name);
        if (picture.width > 0 && condition(picture)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    } while (std::chrono::steady_clock::now() < deadline);
    return picture;
}

}  // namespace EndToEnd
