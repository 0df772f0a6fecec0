#include "demo/FrameGate.h"

bool FrameGate::Advance()
{
    if (paused) {
        const bool step = stepRequested;
        stepRequested = false;
        return step;
    }
    if (!slowMotion) {
        return true;
    }
    if (++refreshesWaited < slowEvery) {
        return false;
    }
    refreshesWaited = 0;
    return true;
}

void FrameGate::RequestStep()
{
    paused = true;
    stepRequested = true;
}
