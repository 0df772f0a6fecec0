#include "FramePacer.h"

#include <thread>

namespace RenderInterface {

FramePacer::Clock::duration FramePacer::DelayAt(Clock::time_point now) const {
    if (!hasPrevious) return Clock::duration::zero();
    const Clock::time_point slot = lastSlot + period;
    return now < slot ? slot - now : Clock::duration::zero();
}

void FramePacer::Presented(Clock::time_point now) {
    const Clock::time_point slot = lastSlot + period;
    const bool inTime = hasPrevious && now >= slot && now - slot < period;
    lastSlot = inTime ? slot : now;
    hasPrevious = true;
}

void FramePacer::WaitForSlot() {
    const Clock::duration delay = DelayAt(Clock::now());
    if (delay > Clock::duration::zero()) std::this_thread::sleep_for(delay);
    Presented(Clock::now());
}

}  // namespace RenderInterface
