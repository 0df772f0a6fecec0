// Cost of the character's frame: PathCharacter::Update (path drawing and following, the
// Run/Walk blend, bone and skinning matrices, the weapon) on the real renderer, and of the pose
// work alone.
#include <benchmark/benchmark.h>

#include "BenchCharacter.h"

namespace {

// The renderer keeps the debug lines and spheres queued until it draws them; drawing (untimed)
// every few frames keeps the queue near the size a real frame has.
constexpr int FramesPerRender = 16;

void CharacterUpdate(benchmark::State& state)
{
    BenchCharacter scene;
    if (!scene) {
        state.SkipWithError("no renderer");
        return;
    }
    int frames = 0;
    for (auto _ : state) {
        scene.character.Update();
        benchmark::ClobberMemory();
        if (++frames == FramesPerRender) {
            state.PauseTiming();
            scene.renderer->Render();
            frames = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(CharacterUpdate)->Unit(benchmark::kNanosecond);

// The pose alone while easing in: both clips sampled and blended, then the matrices.
void BlendAnimations(benchmark::State& state)
{
    BenchCharacter scene;
    if (!scene) {
        state.SkipWithError("no renderer");
        return;
    }
    scene.character.speedFactor = 0.6f;
    for (auto _ : state) {
        scene.character.BlendAnimations(0.1f, 0.3f, 0.8f);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BlendAnimations)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
