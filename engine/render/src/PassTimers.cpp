#include "PassTimers.h"

namespace RenderInterface {

PassTimers::PassTimers() {
    for (FrameQueries& frame : frames) {
        for (GlQuery& query : frame.queries) query = MakeQuery();
    }
}

void PassTimers::Begin(Pass pass) {
    const auto index = static_cast<std::size_t>(pass);
    FrameQueries& frame = frames[current];
    glBeginQuery(GL_TIME_ELAPSED, frame.queries[index].Get());
    frame.used[index] = true;
}

void PassTimers::End() { glEndQuery(GL_TIME_ELAPSED); }

void PassTimers::Collect(FrameQueries& frame) {
    PassTimings collected;
    double* targets[PassCount] = {&collected.shadowMs, &collected.skyMs, &collected.modelsMs, &collected.debugMs};
    for (std::size_t pass = 0; pass < PassCount; ++pass) {
        if (!frame.used[pass]) continue;
        GLuint available = GL_FALSE;
        glGetQueryObjectuiv(frame.queries[pass].Get(), GL_QUERY_RESULT_AVAILABLE, &available);
        if (available != GL_TRUE) return;  // still in flight: keep the previous figures
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(frame.queries[pass].Get(), GL_QUERY_RESULT, &nanoseconds);
        *targets[pass] = static_cast<double>(nanoseconds) * 1e-6;
    }
    latest = collected;
    frame.used.fill(false);
}

void PassTimers::EndFrame() {
    current = (current + 1) % FramesInFlight;
    Collect(frames[current]);
}

}  // namespace RenderInterface
