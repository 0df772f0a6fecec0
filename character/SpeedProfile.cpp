#include "character/SpeedProfile.h"

#include <cmath>

float SpeedProfile(float f, float easeInEnd, float easeOutStart)
{
    if (f < easeInEnd) {
        return sinf(f / easeInEnd) + easeInEnd;
    }
    if (f < easeOutStart) {
        return 1.0f;
    }
    const float s = sinf((1.0f - f) / (1.0f - easeOutStart)) * EaseOutGain;
    return s > MinSpeedFactor ? s : MinSpeedFactor;
}
