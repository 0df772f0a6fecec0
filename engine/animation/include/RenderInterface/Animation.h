#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <Animation/Jobs.h>
#include <Math/Math.h>

namespace RenderInterface {

// A playhead on a registered clip: the clip's name and the current time, in the clip's own
// time units (the unit of its duration).
class AnimationState {
public:
    void SetAnimationName(const std::string& name) {
        animationName = name;
        clipGeneration = 0;
    }
    const std::string& GetAnimationName() const { return animationName; }
    float GetTime() const { return time; }
    void SetTime(float value) { time = value; }
    // True once the time has passed the end of the named clip (time > duration). False while
    // the clip is unknown.
    bool GetEndFlag() const;

private:
    friend class AnimationController;
    // The registered clip of that name, looked up again only after the registry has changed.
    const Animation::Clip* FindClip() const;

    std::string animationName;
    float time = 0.0f;
    mutable const Animation::Clip* clip = nullptr;
    mutable std::uint64_t clipGeneration = 0;
    // Where playback stands in the clip's keys, so the next frame starts from there.
    mutable Animation::SamplingCursor cursor;
};

// The animation runtime. Skeletons and clips are the ones registered through the renderer's
// ResourceContent, looked up by name.
//
// Every operation writes its outputs in place and resizes them only when the bone count
// changes, so a caller that keeps its vectors allocates nothing per frame.
// An unknown skeleton, an unknown clip or a null state clears the outputs (empty vectors);
// callers must cope with an empty pose.
class AnimationController {
public:
    AnimationController() = delete;

    // Samples the state's clip at the state's time: one local pose per bone, keys interpolated
    // (translation and scale linearly, rotation along the shorter arc), times clamped to the
    // first and last key; bones without a track keep their bind pose.
    static void LerpBlend(const std::string& skeleton, const AnimationState* state,
                          std::vector<Math::VQS>& localPoses);

    // Samples both states and blends them per bone: weight 0 gives a, weight 1 gives b.
    // The weight is clamped to [0, 1] (NaN counts as 0): a blend never extrapolates.
    static void LerpBlend1D(const std::string& skeleton, float weight, const AnimationState* a,
                            const AnimationState* b, std::vector<Math::VQS>& localPoses);

    // Model-space bone matrices through the hierarchy, and skinning matrices
    // (bone matrix times inverse bind matrix), one of each per bone. A pose whose size is not
    // the skeleton's bone count (such as the empty pose of an unknown clip) clears the outputs.
    static void BuildTransformationMatricies(const std::string& skeleton,
                                             const std::vector<Math::VQS>& localPoses,
                                             std::vector<Math::Matrix4>& boneTransforms,
                                             std::vector<Math::Matrix4>& skinningMatrices);

    // Number of bones of a registered skeleton; 0 when it is unknown.
    static int GetBoneCount(const std::string& skeleton);
    // The parent of a bone (always an earlier bone); -1 for a root, an unknown skeleton or a bone
    // out of range.
    static int GetBoneParent(const std::string& skeleton, int bone);
    // The first bone with this name; -1 when there is none.
    static int FindBone(const std::string& skeleton, const std::string& name);
    // Duration of a registered clip; 0 when it is unknown.
    static float GetClipDuration(const std::string& clip);
};

}  // namespace RenderInterface
