#pragma once
// Whether the walking character is still sound after a long run: its pose holds only finite
// numbers, and it stands on the path it was given, facing along it.
#include <string>
#include <vector>

#include <Math/Math.h>

class PathCharacter;

namespace FrameTime {

// Distance in the ground plane from `point` to the nearest point of the polyline through
// `samples`; infinite when there are no samples.
float DistanceToPolyline(const Math::Vector3& point, const std::vector<Math::Vector3>& samples);

// What is wrong with the character, one finding per line; empty when it is sound. It must have
// a pose (skinning matrices, bone matrices and local poses, all finite), stand at height 0, lie
// on its path's samples within `tolerance` world units and face along the step it is on.
std::string FindCharacterFaults(const PathCharacter& character, float tolerance);

}  // namespace FrameTime
