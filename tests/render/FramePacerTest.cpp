// The pacer holds presents to one per refresh period where swapping does not wait, without
// drifting when sleeps overshoot and without rushing after a slow frame. Times are synthetic.
#include <gtest/gtest.h>

#include "FramePacer.h"

using RenderInterface::FramePacer;
using std::chrono::microseconds;
using std::chrono::milliseconds;

namespace {

const FramePacer::Clock::time_point start{std::chrono::seconds(1000)};

FramePacer::Clock::time_point At(microseconds offset) { return start + offset; }

TEST(FramePacer, UnknownRefreshRatePacesToSixtyHertz) {
    EXPECT_EQ(std::chrono::duration_cast<microseconds>(FramePacer(0).Period()).count(), 16666);
    EXPECT_EQ(std::chrono::duration_cast<microseconds>(FramePacer(-5).Period()).count(), 16666);
    EXPECT_EQ(std::chrono::duration_cast<microseconds>(FramePacer(144).Period()).count(), 6944);
}

TEST(FramePacer, FirstPresentDoesNotWait) {
    FramePacer pacer(60);
    EXPECT_EQ(pacer.DelayAt(start).count(), 0);
}

TEST(FramePacer, EarlyPresentWaitsForTheRestOfThePeriod) {
    FramePacer pacer(50);  // 20 ms
    pacer.Presented(start);
    EXPECT_EQ(pacer.DelayAt(At(milliseconds(5))), milliseconds(15));
    EXPECT_EQ(pacer.DelayAt(At(milliseconds(20))).count(), 0);
    EXPECT_EQ(pacer.DelayAt(At(milliseconds(35))).count(), 0);
}

TEST(FramePacer, OversleepingDoesNotAccumulate) {
    FramePacer pacer(50);
    pacer.Presented(start);
    // Each sleep ends 300 us late; the slots stay on the 20 ms grid.
    for (int frame = 1; frame <= 100; ++frame) {
        const auto woke = At(milliseconds(20 * frame) + microseconds(300));
        pacer.Presented(woke);
    }
    EXPECT_EQ(pacer.DelayAt(At(milliseconds(2005))), milliseconds(15));
}

TEST(FramePacer, LateFrameStartsAFreshPeriodInsteadOfCatchingUp) {
    FramePacer pacer(50);
    pacer.Presented(start);
    pacer.Presented(At(milliseconds(70)));  // three and a half periods late
    EXPECT_EQ(pacer.DelayAt(At(milliseconds(75))), milliseconds(15));
}

}  // namespace
