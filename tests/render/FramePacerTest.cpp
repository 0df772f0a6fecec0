// Presents are held to 60 a second whatever the display refreshes at, without drifting when
// sleeps overshoot or rushing after a slow frame.
#include <gtest/gtest.h>

#include "FramePacer.h"

namespace {

using RenderInterface::FramePacer;
using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

const FramePacer::Clock::time_point start{std::chrono::seconds(1000)};

TEST(FramePacer, WaitsOutThePeriodWithoutDriftOrCatchingUp) {
    FramePacer pacer;
    const FramePacer::Clock::duration period = pacer.Period();
    EXPECT_EQ(std::chrono::duration_cast<microseconds>(period).count(), 16666);
    EXPECT_EQ(pacer.DelayAt(start).count(), 0);
    pacer.Presented(start);
    EXPECT_EQ(pacer.DelayAt(start + milliseconds(5)), period - milliseconds(5));
    // Each sleep ends 300 us late; the slots stay on the period's grid.
    for (int frame = 1; frame <= 100; ++frame) pacer.Presented(start + frame * period + microseconds(300));
    EXPECT_EQ(pacer.DelayAt(start + 100 * period + milliseconds(5)), period - milliseconds(5));
    // Three and a half periods late: a fresh period starts then.
    const FramePacer::Clock::time_point late = start + 104 * period + period / 2;
    pacer.Presented(late);
    EXPECT_EQ(pacer.DelayAt(late + milliseconds(5)), period - milliseconds(5));
}

// A display refreshing at `hz` (0: none, the swap returns at once) and frames of 4 ms of work:
// each frame sleeps as the pacer asks and is then shown at the next vertical blank. Counts the
// frames shown in the second after a first second of settling.
int FramesShownInOneSecond(int hz) {
    FramePacer pacer;
    FramePacer::Clock::time_point now = start;
    int shown = 0;
    while (now < start + std::chrono::seconds(2)) {
        now += pacer.DelayAt(now);
        pacer.Presented(now);
        if (hz > 0) {
            const nanoseconds refresh(1'000'000'000 / hz);
            const auto blanks = (now - start + refresh - nanoseconds(1)) / refresh;
            now = start + blanks * refresh;
        }
        shown += now >= start + std::chrono::seconds(1) ? 1 : 0;
        now += milliseconds(4);
    }
    return shown;
}

TEST(FramePacer, SixtyFramesASecondAtEveryRefreshRate) {
    for (const int hz : {0, 60, 75, 120, 144, 240}) {
        EXPECT_NEAR(FramesShownInOneSecond(hz), 60, 1) << "display at " << hz << " Hz";
    }
}

}  // namespace
