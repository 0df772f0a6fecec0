#pragma once
// The character's speed over one lap, as a factor of its "Speed" setting: a sine ease-in from
// 0.3 up to the ease-in end, steady cruise at 1, and a sine ease-out down to a floor before the
// lap ends. The sines take the scaled fraction in radians, unscaled by pi.

// Scales the ease-out sine so that it starts just below 1 where cruise ends.
constexpr float EaseOutGain = 1.1855067f;
// The slowest the character ever moves, so that it always reaches the end of the lap.
constexpr float MinSpeedFactor = 0.1f;

// Speed factor at travelled fraction `f` of the lap. A fraction that is not a number counts as
// easing out and gives MinSpeedFactor.
float SpeedProfile(float f, float easeInEnd, float easeOutStart);
