// Cost of the character's frame: PathCharacter::Update (path drawing and following, the
// Run/Walk blend, bone and skinning matrices, the weapon) on the real renderer.
#include <benchmark/benchmark.h>

#include "BenchCharacter.h"

namespace {

// The renderer keeps the frame's debug lines until it draws them; draw (untimed) now and then
// so the queue stays the size a real frame has.
constexpr int FramesPerRender = 2000;

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

}  // namespace

BENCHMARK_MAIN();
