// vantor-frametime: runs the real demo as main does, unpaced and for a bounded number of frames,
// and reports how long things take and how much memory they hold. With --check it also fails
// when the character's pose went bad or the memory kept growing, which serves long soak runs and
// sanitizer builds. Run it from a directory that holds resources/, on a display.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <SDL.h>
#include <RenderInterface/RenderStatistics.h>
#include <RenderInterface/Renderer.h>

#include "CharacterHealth.h"
#include "EmptyFrame.h"
#include "FrameSamples.h"
#include "ProcessMemory.h"
#include "TimedDemo.h"
#include "app/Application.h"
#include "app/FrameLoop.h"
#include "app/RenderConfigDefaults.h"
#include "app/WindowLayout.h"
#include "demo/AnimationDemo.h"
#include "util/Window.h"

namespace {

using Clock = std::chrono::steady_clock;
using FrameTime::FrameSamples;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Options {
    int frames = 1000;
    int emptyFrames = 300;
    bool check = false;
    int width = 0, height = 0;     // window size to run at; 0 keeps the program's own
    double maxRssSlopeMiB = 1.0;   // allowed climb of the resident set, MiB per 1,000 frames
    float pathTolerance = 0.05f;   // world units between the character and its path
};

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: vantor-frametime [--frames N] [--window WxH] [--empty-frames N] [--check]\n"
                 "                        [--max-rss-slope MIB]\n"
                 "  --frames N          demo frames to run (default 1000)\n"
                 "  --window WxH        resize the window to W x H before the first frame, as a user would\n"
                 "  --empty-frames N    empty frames to time afterwards; 0 skips them (default 300)\n"
                 "  --check             exit 1 if the character's pose is not finite, it is off its path or\n"
                 "                      facing away from it, or the resident memory kept growing\n"
                 "  --max-rss-slope M   climb of the resident set, in MiB per 1,000 frames fitted by least\n"
                 "                      squares over the second half of the measured frames, that --check\n"
                 "                      allows when it rose in at least half the sampling steps\n"
                 "                      (default 1, a leak of about 1 KiB a frame)\n");
}

bool ParseCount(const char* text, int& count) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 10000000) {
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option == "--check") {
            options.check = true;
        } else if (option == "--frames" && value && ParseCount(value, options.frames) && options.frames > 0) {
            ++i;
        } else if (option == "--window" && value &&
                   std::sscanf(value, "%dx%d", &options.width, &options.height) == 2 && options.width > 0 &&
                   options.height > 0) {
            ++i;
        } else if (option == "--empty-frames" && value && ParseCount(value, options.emptyFrames)) {
            ++i;
        } else if (option == "--max-rss-slope" && value && (options.maxRssSlopeMiB = std::atof(value)) > 0.0) {
            ++i;
        } else {
            std::fprintf(stderr, "vantor-frametime: bad argument '%s'\n", option.c_str());
            return false;
        }
    }
    return true;
}

// Everything measured during the demo's frames.
struct DemoRun {
    explicit DemoRun(int frames)
        : frameTimes(frames), updateTimes(frames), shadow(frames), sky(frames), models(frames), debug(frames) {
        rssMiB.reserve(static_cast<std::size_t>(frames / RssEvery + 1));
    }

    static constexpr int RssEvery = 100;  // measured frames between two looks at the resident set
    int warmup = 0;                       // frames left out of the medians and the memory baseline
    int framesRun = 0;
    bool exitRequested = false;
    double firstFrameMs = 0.0;            // from the start of main to the end of the first frame
    FrameSamples frameTimes, updateTimes, shadow, sky, models, debug;
    std::vector<double> rssMiB;           // every RssEvery measured frames, room reserved up front
    double rssAtEndMiB = 0.0;
    double peakMiB = 0.0;
    std::string characterFaults;
    unsigned renderWidth = 0, renderHeight = 0;  // the render targets' size at the end
};

void AddPassTimings(DemoRun& run) {
    const RenderInterface::PassTimings timings = RenderInterface::GetPassTimings(*gRenderer);
    // A pass that has no result yet reads 0; only real results count.
    const std::pair<double, FrameSamples*> passes[] = {
        {timings.shadowMs, &run.shadow}, {timings.skyMs, &run.sky}, {timings.modelsMs, &run.models},
        {timings.debugMs, &run.debug}};
    for (const auto& [milliseconds, samples] : passes) {
        if (milliseconds > 0.0) {
            samples->Add(milliseconds);
        }
    }
}

// Resizes the demo's window as a user would: the window has keyboard focus first, since the
// window observer sizes the renderer and the tweak bar after the focused window.
void ResizeDemoWindow(int width, int height) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_SetWindowInputFocus(window);
    for (int wait = 0; wait < 200 && SDL_GetKeyboardFocus() != window; ++wait) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    SDL_SetWindowSize(window, width, height);
}

void RunDemoFrames(AnimationDemo& demo, const Options& options, Clock::time_point processStart, DemoRun& run) {
    FrameTime::TimedDemo timedDemo(demo, run.updateTimes);
    if (options.width > 0) {
        ResizeDemoWindow(options.width, options.height);
    }
    for (int frame = 0; frame < options.frames; ++frame) {
        // The user can still end the run early, as in the program.
        if (IsExitRequested()) {
            run.exitRequested = true;
            break;
        }
        const bool measured = frame >= run.warmup;
        const auto start = Clock::now();
        RunFrame(measured ? static_cast<Demo&>(timedDemo) : static_cast<Demo&>(demo));
        const double frameMs = MillisecondsSince(start);
        ++run.framesRun;
        if (frame == 0) {
            run.firstFrameMs = MillisecondsSince(processStart);
        }
        if (!measured) {
            continue;
        }
        run.frameTimes.Add(frameMs);
        AddPassTimings(run);
        if ((frame - run.warmup) % DemoRun::RssEvery == 0) {
            run.rssMiB.push_back(FrameTime::ReadMemoryStatus().residentMiB);
        }
    }
    const FrameTime::MemoryStatus memory = FrameTime::ReadMemoryStatus();
    run.rssAtEndMiB = memory.residentMiB;
    run.peakMiB = memory.peakResidentMiB;
    run.characterFaults = FrameTime::FindCharacterFaults(demo.character, options.pathTolerance);
    run.renderWidth = gRenderer->GetRenderTargetWidth();
    run.renderHeight = gRenderer->GetRenderTargetHeight();
}

void PrintMedian(const char* what, const FrameSamples& samples) {
    if (samples.Count() == 0) {
        std::printf("%-34s no results\n", what);
    } else {
        std::printf("%-34s %9.3f ms  (median of %zu)\n", what, samples.Median(), samples.Count());
    }
}

void PrintReport(const DemoRun& run, const FrameSamples& emptyFrames) {
    const double frameMs = run.frameTimes.Median();
    std::printf("vantor-frametime: %d demo frames at %ux%u, pacing off, first %d not measured\n", run.framesRun,
                run.renderWidth, run.renderHeight, run.warmup);
    std::printf("%-34s %9.1f ms\n", "start-up to first frame", run.firstFrameMs);
    PrintMedian("demo frame", run.frameTimes);
    if (frameMs > 0.0) {
        std::printf("%-34s %9.1f fps\n", "demo frames per second", 1000.0 / frameMs);
    }
    if (emptyFrames.Count() > 0) {
        PrintMedian("empty frame, same renderer", emptyFrames);
        std::printf("%-34s %9.1f fps\n", "empty frames per second", 1000.0 / emptyFrames.Median());
        if (frameMs > 0.0) {
            std::printf("%-34s %9.2f x\n", "demo frame / empty frame", frameMs / emptyFrames.Median());
        }
    }
    PrintMedian("render pass: shadow (GPU timer)", run.shadow);
    PrintMedian("render pass: sky (GPU timer)", run.sky);
    PrintMedian("render pass: models (GPU timer)", run.models);
    PrintMedian("render pass: debug (GPU timer)", run.debug);
    PrintMedian("scene update (camera, character)", run.updateTimes);
    std::printf("%-34s %9.1f MiB\n", "peak memory (VmHWM)", run.peakMiB);
    // The resident set across the measured frames, at eleven evenly spaced points.
    std::printf("%-34s", "resident set (VmRSS), MiB");
    const std::size_t samples = run.rssMiB.size();
    for (std::size_t i = 0; samples > 0 && i <= 10; ++i) {
        std::printf(" %.1f", run.rssMiB[i * (samples - 1) / 10]);
    }
    std::printf(" -> %.1f at the end\n", run.rssAtEndMiB);
}

// The findings of --check, one per line; empty when all is well.
std::string FindRunFaults(const DemoRun& run, const Options& options) {
    std::string faults = run.characterFaults;
    if (run.exitRequested) {
        faults += "the run was ended early, after " + std::to_string(run.framesRun) + " frames\n";
    }
    const unsigned width = options.width > 0 ? static_cast<unsigned>(options.width) : MainWindowWidth;
    const unsigned height = options.height > 0 ? static_cast<unsigned>(options.height) : MainWindowHeight;
    if (run.renderWidth != width || run.renderHeight != height) {
        faults += "the render targets are " + std::to_string(run.renderWidth) + "x" + std::to_string(run.renderHeight) +
                  ", not the window's " + std::to_string(width) + "x" + std::to_string(height) + "\n";
    }
    // Caches and the allocator settle during the first half; a leak keeps climbing through the
    // second, step after step, where a one-off growth rises once.
    const std::vector<double> settled(run.rssMiB.begin() + static_cast<long>(run.rssMiB.size() / 2), run.rssMiB.end());
    if (settled.size() >= 10) {
        const double slope = FrameTime::ResidentSlopePer1000Frames(settled, DemoRun::RssEvery);
        const double rising = FrameTime::ShareOfRisingSteps(settled);
        char line[200];
        std::snprintf(line, sizeof line, "resident memory climbed %.3f MiB per 1,000 frames over %zu samples, "
                      "rising in %.0f%% of the steps (allowed %.3f, or any slope rising in under half)\n",
                      slope, settled.size(), 100.0 * rising, options.maxRssSlopeMiB);
        std::printf("%s", line);
        if (slope > options.maxRssSlopeMiB && rising >= 0.5) {
            faults += line;
        }
    } else {
        faults += "too few frames to judge the resident memory: run at least 2,000\n";
    }
    return faults;
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point processStart = Clock::now();
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return 2;
    }
    RenderInterface::RenderConfig config;
    FillRenderConfig(config);
    config.swapInterval = 0;

    DemoRun run(options.frames);
    // The first frames compile shaders and fill caches: a tenth of the run, at least 100 frames.
    run.warmup = std::min(options.frames - 1, std::max(100, options.frames / 10));
    Application application;
    AnimationDemo demo;
    if (!application.Start(config, demo)) {
        std::fprintf(stderr, "vantor-frametime: the demo could not start\n");
        return EXIT_FAILURE;
    }
    RunDemoFrames(demo, options, processStart, run);
    application.Stop(demo);

    FrameSamples emptyFrames(static_cast<std::size_t>(options.emptyFrames));
    if (options.emptyFrames > 0 && !FrameTime::TimeEmptyFrames(config, options.emptyFrames, emptyFrames)) {
        return EXIT_FAILURE;
    }
    SDL_Quit();

    PrintReport(run, emptyFrames);
    if (options.check) {
        const std::string faults = FindRunFaults(run, options);
        if (!faults.empty()) {
            std::fprintf(stderr, "vantor-frametime: check failed:\n%s", faults.c_str());
            return EXIT_FAILURE;
        }
        std::printf("check passed: the character is finite, on its path and facing along it; memory held steady\n");
    }
    return 0;
}
