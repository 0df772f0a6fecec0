#pragma once
// The "Inspector" panel: shows how the walking character works while it works. Toggles for the
// skeleton and the mesh; pause, single step and slow motion (through a FrameGate, which decides
// whether the character takes its frame); the live values of the frame (lap fraction, speed
// factor, blend phase and weight, clip times, sample segment, planted-foot slide); and the speed
// factor and blend weight over one lap with a marker at the current fraction. It only observes
// the character's public record and never changes how a frame is computed.
#include <array>
#include <vector>

#include <AntTweakBar.h>

#include "demo/FootSlide.h"
#include "demo/FrameGate.h"

class PathCharacter;

class WorkingsPanel {
public:
    // Builds the panel for a character that has been set up.
    void Init(PathCharacter& observed);
    // After the character's part of a frame, whether it `advanced` or held still: shows or hides
    // the mesh, draws the skeleton, and reads the values the panel shows.
    void Observe(bool advanced);
    void Shutdown();

    FrameGate gate;
    bool showSkeleton = false;
    bool showMesh = true;

    // What the panel shows of the current frame.
    float lapFraction = 0.0f;
    int phase = 0;
    float walkTime = 0.0f;
    float runTime = 0.0f;
    float footSlide = 0.0f;

    // The speed factor and the blend weight at evenly spaced fractions of one lap, first to last.
    static constexpr int CurveSamples = 121;
    std::array<float, CurveSamples> speedCurve{};
    std::array<float, CurveSamples> blendCurve{};

private:
    void AddControls();
    void AddValues();
    void ShowMesh();
    void DrawSkeleton();

    PathCharacter* character = nullptr;
    TwBar* bar = nullptr;
    bool meshShown = true;
    std::vector<int> boneParents;
    FootSlide feet;
};
