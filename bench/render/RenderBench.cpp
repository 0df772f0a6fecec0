// Time of one frame of the demo-sized scene: Render() followed by glFinish, so the figure is the
// time the GPU (here Mesa's llvmpipe on the CPU) really takes, not just command submission.
// The counters carry the renderer's own per-pass GPU times.
#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <RenderInterface/RenderStatistics.h>

#include "BenchScene.h"

namespace {

void RenderFrames(benchmark::State& state, bool shadows) {
    BenchScene scene;
    if (!scene.Ready()) {
        state.SkipWithError("no OpenGL 3.3 core context");
        return;
    }
    RenderInterface::GetRenderSettings(scene.Renderer())->shadowsEnabled = shadows ? 1 : 0;
    int frame = 0;
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
        scene.PrepareFrame(frame++);
        scene.Renderer().Render();
        glFinish();
    }
    for (auto _ : state) {
        scene.PrepareFrame(frame++);
        scene.Renderer().Render();
        glFinish();
    }
    const RenderInterface::PassTimings timings = RenderInterface::GetPassTimings(scene.Renderer());
    state.counters["shadow_ms"] = timings.shadowMs;
    state.counters["models_ms"] = timings.modelsMs;
    state.counters["sky_ms"] = timings.skyMs;
    state.counters["debug_ms"] = timings.debugMs;
}

void BM_RenderDemoSizedScene(benchmark::State& state) { RenderFrames(state, true); }
void BM_RenderDemoSizedSceneWithoutShadows(benchmark::State& state) { RenderFrames(state, false); }

BENCHMARK(BM_RenderDemoSizedScene)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderDemoSizedSceneWithoutShadows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
