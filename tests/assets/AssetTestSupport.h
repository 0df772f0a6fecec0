#pragma once
// Access to the generated resources (the build's resources/ tree, written by vantor-assets) and
// to the animation runtime posing the warrior with them.
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetTests {

// The directory holding resources/.
std::string ResourceRoot();
// Path of a generated file given its path below resources/, e.g. "models/Sword.mesh".
std::string ResourcePath(const std::string& relative);

// Each loads through the format readers; a file that fails to load fails the test.
Assets::MeshData LoadMesh(const std::string& relative);
Assets::SkeletonData LoadSkeleton();
Assets::AnimationData LoadClip(const std::string& fileStem);  // e.g. "Walk" for Warrior_Walk.anim

// Index of the bone with this name, or -1.
int BoneIndex(const Assets::SkeletonData& skeleton, const std::string& name);

// The app's clip names and the files it registers them from.
struct ClipFile {
    const char* name;      // as registered, e.g. "Attack1"
    const char* fileStem;  // e.g. "Attack_1"
};
const std::vector<ClipFile>& ClipFiles();

// The weapon offset from the hand bone the app uses.
const Math::Vector3 kWeaponOffset(9.75f, 2.8f, 6.305f);
constexpr int kWeaponBone = 36;
// The demo's defaults: clip time per frame, and model units the body travels per frame
// (1 world unit at the player's scale of 0.3).
constexpr float kClipStepPerFrame = 0.007f;
constexpr float kTravelPerFrame = 1.0f / 0.3f;

// A pose sampled by the runtime: model-space bone matrices and skinning matrices.
struct SampledPose {
    std::vector<Math::Matrix4> bones;
    std::vector<Math::Matrix4> skinning;
};
// Registers the skeleton and every clip with the animation runtime (once per process) and
// samples `clip` (its registered name) at `time`.
SampledPose SamplePose(const std::string& clip, float time);
// The clip's duration as the runtime reports it.
float ClipDuration(const std::string& clip);

// Linear blend skinning on the CPU: each vertex moved by its weighted skinning matrices.
std::vector<Math::Vector3> SkinPositions(const Assets::MeshData& mesh, const std::vector<Math::Matrix4>& skinning);

Math::Vector3 Translation(const Math::Matrix4& m);

}  // namespace AssetTests
