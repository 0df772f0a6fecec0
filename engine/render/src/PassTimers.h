#pragma once
// GPU timer queries around the passes of each frame. Each frame uses its own set of queries, and a
// set is read only when it comes round again a few frames later, when its results are in; reading
// never stalls the pipeline.
#include <array>

#include <RenderInterface/RenderStatistics.h>

#include "GlObjects.h"

namespace RenderInterface {

enum class Pass { Shadow, Sky, Models, Debug };

class PassTimers {
public:
    PassTimers();

    // Brackets one pass; passes must not nest.
    void Begin(Pass pass);
    void End();
    // Closes the frame: collects the oldest frame's results and makes its queries the next frame's.
    void EndFrame();
    const PassTimings& Latest() const { return latest; }

private:
    static constexpr std::size_t PassCount = 4;
    static constexpr std::size_t FramesInFlight = 3;
    struct FrameQueries {
        std::array<GlQuery, PassCount> queries;
        std::array<bool, PassCount> used{};
    };
    void Collect(FrameQueries& frame);

    std::array<FrameQueries, FramesInFlight> frames;
    std::size_t current = 0;
    PassTimings latest;
};

}  // namespace RenderInterface
