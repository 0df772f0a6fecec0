#pragma once
// The program's whole run: start-up, the frames, teardown. main runs it with the frame loop;
// measuring tools run it with a bounded number of frames of their own.
#include <functional>

#include <RenderInterface/RenderConfig.h>

#include "demo/AnimationDemo.h"

// Brings up the window events, the input module, the window, its observer, the demo and the
// renderer made from `config`; initialises the demo, hands it to `runFrames`, then tears
// everything down in order. Returns the exit code: 0, or EXIT_FAILURE when the window or the
// renderer cannot be created.
int RunApplication(const RenderInterface::RenderConfig& config,
                   const std::function<void(AnimationDemo&)>& runFrames);
