#pragma once
// The walking warrior: its animation data, its two scene models, its speed settings, the path it
// walks and where on that path it stands. One record shared by the path builder, the path
// follower, the blending, the set-up and the per-frame update, each in its own source file.
#include <vector>

#include <AntTweakBar.h>
#include <Math/Math.h>

#include "character/LocomotionBlend.h"

namespace RenderInterface {
class Renderer;
class AnimationState;
class AnimationModel;
class Model3D;
}  // namespace RenderInterface

class PathCharacter {
public:
    // Clip states used for locomotion, as indices into animationStates (the "AnimationClips" order).
    static constexpr int RunState = 4;
    static constexpr int WalkState = 5;
    // The bone that carries the weapon: the right hand.
    static constexpr int WeaponBone = 36;

    // Registers the warrior's assets, creates its models and clip states, adds its tweak
    // variables to `bar`, builds the path and puts the character at the path's start.
    void Init(RenderInterface::Renderer* renderer, TwBar* bar);
    // Unregisters and deletes the models and deletes the clip states, while the renderer exists.
    void Shutdown();

    // Fits a natural cubic spline through `points` (x, z) and samples it into curvePoints and
    // arcLengths, adding to pathLength. Expects empty samples and a zero length to start with.
    // Fewer than two points build no path.
    void BuildPath(const std::vector<Math::Vector2>& points);
    // Starts a lap: the character stands on the first sample with its axes taken from its
    // heading, and aims its target heading at the second sample. Without samples it stays put.
    void PlaceAtPathStart();

    // Debug drawing of the control points and the sampled path.
    void DrawPath();
    // One frame of travel: eased speed, position and heading along the samples, at most one
    // sample step; then the pose for this frame and the axis lines.
    void FollowPath();
    // Run/Walk blend for the travelled fraction `t`, both clip clocks scaled by speedFactor,
    // then the bone and skinning matrices.
    void BlendAnimations(float t, float easeInEnd, float easeOutStart);
    // Debug lines along the heading's three axes, from the current position.
    void DrawAxes();

    // The per-frame update: path, travel and pose, then ShowFrame.
    void Update();
    // Hands the current pose to the player model, places it and the weapon in the world, and
    // steps the clip and weapon selectors on Space and C.
    void ShowFrame();

    std::vector<Math::VQS> localPoses;               // blended local bone poses
    std::vector<Math::Matrix4> boneTransforms;       // model-space bone matrices
    std::vector<Math::Matrix4> skinningMatrices;     // handed to the player model
    RenderInterface::Renderer* renderer = nullptr;   // not owned
    std::vector<RenderInterface::AnimationState*> animationStates;  // owned, one per clip
    RenderInterface::AnimationModel* playerModel = nullptr;          // owned
    RenderInterface::Model3D* weaponModel = nullptr;                 // owned
    float speed = 1.0f;             // "Speed": distance per frame at speed factor 1
    float speedWalkStart = 1.0f;    // "Speed_Walk_Start": shown and edited on the bar only
    float speedFactor = 0.0f;       // ease-curve value of the current frame
    float deltaTime = 0.007f;       // "DeltaTime": clip-clock step per frame
    float sampleSteps = 60.0f;      // equal parameter steps over the whole curve
    float easeInEnd = 0.3f;         // path fraction where the ease-in ends
    float easeOutStart = 0.8f;      // path fraction where the ease-out begins
    float pathLength = 0.0f;        // total arc length of the samples
    float distance = 0.0f;          // arc length travelled in the current lap
    Math::Vector3 position;
    Math::Vector3 scale = Math::Vector3(0.3f, 0.3f, 0.3f);
    Math::Quaternion orientation;        // current heading
    Math::Quaternion targetOrientation;  // heading at the end of the current sample step
    Math::Quaternion startOrientation;   // heading at the start of the current sample step
    Math::Vector3 forward;
    Math::Vector3 up;
    Math::Vector3 right;
    std::vector<Math::Vector3> curvePoints;     // path samples, y = 0
    std::vector<float> arcLengths;              // arc length at each sample, from 0
    std::vector<Math::Vector2> controlPoints;   // (x, z)
    int segment = 1;                            // index of the sample being approached
    LocomotionBlend blend;                      // the phase and weight this frame's pose used
};
