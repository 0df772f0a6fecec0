#pragma once
// A Demo that times another one's per-frame update and otherwise passes everything through, so
// the frame loop runs the real scene unchanged while the time of its update is recorded.
#include <chrono>

#include "FrameSamples.h"
#include "app/Demo.h"

namespace FrameTime {

class TimedDemo : public Demo {
public:
    TimedDemo(Demo& timed, FrameSamples& updateTimes) : inner(timed), samples(updateTimes) {}

    void Init(RenderInterface::Renderer* renderer, float width, float height) override {
        inner.Init(renderer, width, height);
    }
    void Update() override {
        const auto start = std::chrono::steady_clock::now();
        inner.Update();
        samples.Add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    void Shutdown() override { inner.Shutdown(); }

private:
    Demo& inner;
    FrameSamples& samples;
};

}  // namespace FrameTime
