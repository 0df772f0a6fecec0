#pragma once
// The renderer's floor: the same renderer, on a window of the demo's size, drawing and presenting
// frames with nothing registered.
#include <RenderInterface/RenderConfig.h>

#include "FrameSamples.h"

namespace FrameTime {

// Opens its own window, times `frames` Render and Present pairs into `frameTimes`, and closes
// the window again. False, with a message on stderr, when no window or renderer can be made.
bool TimeEmptyFrames(const RenderInterface::RenderConfig& config, int frames, FrameSamples& frameTimes);

}  // namespace FrameTime
