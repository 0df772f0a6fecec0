#pragma once
// Holds presents to 60 frames a second. Every step of the demo is per frame and tuned for that
// rate, so frames must come at it whatever the display: on one refreshing faster, waiting for the
// vertical blank alone would speed the whole demo up, and on one without a vertical blank (Xvfb,
// the offscreen driver) a swap returns at once and the demo would run as fast as the machine
// draws. The swap still waits for the vertical blank where there is one, so frames do not tear.
#include <chrono>

namespace RenderInterface {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int FramesPerSecond = 60;

    Clock::duration Period() const { return period; }
    // How long a present at `now` has to wait to come one period after the previous one.
    Clock::duration DelayAt(Clock::time_point now) const;
    // Records a present made at `now`. A present that came in time with its slot starts the next
    // period at the slot itself, so that sleeping a little too long (or waiting for a vertical
    // blank) does not add up over frames; a late one starts the next period at `now` instead of
    // rushing to catch up.
    void Presented(Clock::time_point now);
    // Sleeps for DelayAt(now) and records the present.
    void WaitForSlot();

private:
    Clock::duration period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(1.0 / FramesPerSecond));
    Clock::time_point lastSlot;
    bool hasPrevious = false;
};

}  // namespace RenderInterface
