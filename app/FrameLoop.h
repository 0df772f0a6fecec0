#pragma once
// The frame loop. It keeps no clock and never sleeps: every moving part advances by fixed
// per-frame steps, and the renderer's Present paces the frames.
class Demo;

// True when the loop must end: the quit flag, else Escape having just gone down in the last
// input snapshot.
bool IsExitRequested();

// One frame: input snapshot, window events, the demo's update, render, tweak bar, present.
// Uses the application-wide renderer.
void RunFrame(Demo& demo);

// Runs frames until IsExitRequested says to stop; tests it before every frame.
void RunFrameLoop(Demo& demo);
