#pragma once
// Decides, once per display refresh, whether the character takes its next frame: always while
// running, only on a requested step while paused, and on every n-th refresh in slow motion. The
// frame itself is never changed, only whether it happens, so every motion keeps its per-frame steps.
struct FrameGate {
    // True when the character takes a frame on this refresh. Consumes a requested step.
    bool Advance();
    // Pauses, and lets exactly one frame through on the next refresh.
    void RequestStep();

    bool paused = false;
    bool slowMotion = false;
    int slowEvery = 4;  // in slow motion, one frame on every slowEvery-th refresh

private:
    bool stepRequested = false;
    int refreshesWaited = 0;
};
