#pragma once
// Which of the two locomotion clips a frame's pose blends, and how far, for a travelled fraction
// of the lap and a speed factor: the one rule the character poses by and the inspector plots.

enum class BlendPhase { EaseIn, Cruise, EaseOut };

struct LocomotionBlend {
    BlendPhase phase = BlendPhase::Cruise;
    // Share of the second clip: Run while easing in (Walk to Run), Walk while easing out (Run to
    // Walk). 0 while cruising, where Run plays alone.
    float weight = 0.0f;
};

// Easing in before `easeInEnd`, easing out from `easeOutStart` on, cruising in between and for a
// fraction that is not a number. The weight follows the speed factor, limited to at most 1.
LocomotionBlend ChooseLocomotionBlend(float fraction, float speedFactor, float easeInEnd, float easeOutStart);
