#pragma once
// The camera matrices of one frame.
#include <RenderInterface/SceneObjects.h>

#include "DepthConvention.h"

namespace RenderInterface {

struct FrameView {
    Math::Vector3 eye;
    Math::Matrix4 viewProjection;
    Math::Matrix4 rayMatrix;  // clip space to world-space directions: the inverse of projection * rotation
};

// True when a perspective can be built from these values.
bool IsUsableProjection(float nearPlane, float farPlane, float fovY);

// Matrices for `view` drawn into a width x height target: the aspect comes from the target, so a
// resized window keeps an undistorted picture. Unusable projection values fall back to a 0.1 to
// 1000 range and a quarter-turn field of view; a null view looks down -z from the origin. Depth
// runs as `depth` says.
FrameView MakeFrameView(const CameraView* view, unsigned width, unsigned height, DepthConvention depth);

}  // namespace RenderInterface
