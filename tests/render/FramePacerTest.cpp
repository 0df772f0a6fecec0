// Where swapping does not wait for a vertical blank, presents are held to one per refresh period
// (60 Hz when unknown), without drifting when sleeps overshoot or rushing after a slow frame.
#include <gtest/gtest.h>

#include "FramePacer.h"

namespace {

using RenderInterface::FramePacer;
using std::chrono::microseconds;
using std::chrono::milliseconds;

const FramePacer::Clock::time_point start{std::chrono::seconds(1000)};

TEST(FramePacer, WaitsOutThePeriodWithoutDriftOrCatchingUp) {
    EXPECT_EQ(std::chrono::duration_cast<microseconds>(FramePacer(0).Period()).count(), 16666);
    FramePacer pacer(50);  // 20 ms
    EXPECT_EQ(pacer.DelayAt(start).count(), 0);
    pacer.Presented(start);
    EXPECT_EQ(pacer.DelayAt(start + milliseconds(5)), milliseconds(15));
    // Each sleep ends 300 us late; the slots stay on the 20 ms grid.
    for (int frame = 1; frame <= 100; ++frame) pacer.Presented(start + milliseconds(20 * frame) + microseconds(300));
    EXPECT_EQ(pacer.DelayAt(start + milliseconds(2005)), milliseconds(15));
    // Three and a half periods late: a fresh period starts then.
    pacer.Presented(start + milliseconds(2070));
    EXPECT_EQ(pacer.DelayAt(start + milliseconds(2075)), milliseconds(15));
}

}  // namespace
