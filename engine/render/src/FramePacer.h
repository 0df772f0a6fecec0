#pragma once
// Holds presents to one per display refresh. On a display without a vertical blank (Xvfb, the
// offscreen driver) a swap returns at once, and the demo's per-frame motion would run as fast as
// the machine draws; the pacer makes it play at the rate its constants were made for.
#include <chrono>

namespace RenderInterface {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    // `refreshHz` of 0 or less means unknown and paces to 60 Hz.
    explicit FramePacer(int refreshHz);

    Clock::duration Period() const { return period; }
    // How long a present at `now` has to wait to come one period after the previous one.
    Clock::duration DelayAt(Clock::time_point now) const;
    // Records a present made at `now`. A present that came in time with its slot starts the next
    // period at the slot itself, so that sleeping a little too long does not add up over frames;
    // a late one starts the next period at `now` instead of rushing to catch up.
    void Presented(Clock::time_point now);
    // Sleeps for DelayAt(now) and records the present.
    void WaitForSlot();

private:
    Clock::duration period;
    Clock::time_point lastSlot;
    bool hasPrevious = false;
};

}  // namespace RenderInterface
