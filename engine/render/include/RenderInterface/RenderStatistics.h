#pragma once
// Read-outs and knobs of this library's renderer for tools, benchmarks and tests. Both take any
// Renderer and answer only for the one CreateRenderSystem makes (not, e.g., for a decorator).
#include <RenderInterface/Renderer.h>

namespace RenderInterface {

// GPU time of each pass in milliseconds, measured with timer queries and read back a couple of
// frames late so that nothing waits for the GPU. Zero for a pass that did not run or has no
// result yet.
struct PassTimings {
    double shadowMs = 0.0;
    double skyMs = 0.0;
    double modelsMs = 0.0;
    double debugMs = 0.0;
};

// The latest finished frame's timings; all zero for another kind of renderer.
PassTimings GetPassTimings(const Renderer& renderer);

// The look settings the renderer uses from the next Render on (initially the config's); null for
// another kind of renderer.
RenderSettings* GetRenderSettings(Renderer& renderer);

}  // namespace RenderInterface
