#pragma once
// The generated resources (the build's resources/ tree, written by vantor-assets) read through the
// format readers, and the warrior posed with them by the real animation runtime.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetTests {

using Math::Vector3;

// A resource as the app registers it: its path (backslashes, relative to the resources' parent),
// its name, and whether it loaded. Recorded once from the demo's own start-up, run from the
// directory that holds resources/, so the list is the app's and not a copy of it.
struct AppResource {
    std::string path, name;
    bool loaded = false;
};
const std::vector<AppResource>& AppResources();
// Path of a generated file below resources/, e.g. "models/Sword.mesh".
std::string ResourcePath(const std::string& relative);

// Each loads through its format reader; a file that fails to load fails the test.
Assets::MeshData LoadMesh(const std::string& relative);
Assets::SkeletonData LoadSkeleton();
Assets::AnimationData LoadClip(const std::string& relative);
Assets::CubeMapData LoadSky(const std::string& file);
int BoneIndex(const Assets::SkeletonData& skeleton, const std::string& name);  // -1 if absent

// The app's weapon offset from the hand bone, and the demo's defaults: clip time per frame, and
// model units the body travels per frame (1 world unit at the player's scale of 0.3).
const Math::Vector3 kWeaponOffset(9.75f, 2.8f, 6.305f);
constexpr int kWeaponBone = 36;
constexpr float kClipStepPerFrame = 0.007f;
constexpr float kTravelPerFrame = 1.0f / 0.3f;

// Model-space bone matrices of the warrior in the registered clip `clip` at `time` (the skeleton
// and clips are registered with the runtime on first use), and its skinning matrices.
struct SampledPose {
    std::vector<Math::Matrix4> bones, skinning;
};
SampledPose SamplePose(const std::string& clip, float time);
float ClipDuration(const std::string& clip);

// Linear blend skinning on the CPU: each vertex moved by its weighted skinning matrices.
std::vector<Math::Vector3> SkinPositions(const Assets::MeshData& mesh, const std::vector<Math::Matrix4>& skinning);
inline Math::Vector3 Translation(const Math::Matrix4& m) { return Math::Vector3(m[3], m[7], m[11]); }

}  // namespace AssetTests
