#pragma once
// Clip time as the demo plays it. The demo advances a clip's clock by a fixed 0.007 per frame at
// speed factor 1 and runs at 60 frames a second, so one second of real motion is 0.42 clip units.
// Standard files (glTF, FBX, ...) keep their keys in seconds; importers and exporters convert here.
namespace Assets {

constexpr float kDemoFramesPerSecond = 60.0f;
constexpr float kClipUnitsPerFrame = 0.007f;
constexpr float kClipUnitsPerSecond = kClipUnitsPerFrame * kDemoFramesPerSecond;

}  // namespace Assets
