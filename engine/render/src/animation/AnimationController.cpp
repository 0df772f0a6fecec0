// The static animation runtime: clip sampling, the one-dimensional blend, and bone and
// skinning matrices, all over the skeletons and clips of the AnimationLibrary.
#include <RenderInterface/Animation.h>

#include "AnimationLibrary.h"
#include "ClipSampler.h"

namespace RenderInterface {

namespace {

const Assets::AnimationData* ClipOf(const AnimationState* state) {
    return state == nullptr ? nullptr : AnimationLibrary::FindClip(state->GetAnimationName());
}

// Weights outside [0, 1] would extrapolate past both poses; a NaN weight reads as 0.
float ClampWeight(float weight) {
    if (!(weight > 0.0f)) {
        return 0.0f;
    }
    return weight < 1.0f ? weight : 1.0f;
}

}  // namespace

bool AnimationState::GetEndFlag() const {
    const Assets::AnimationData* clip = AnimationLibrary::FindClip(animationName);
    return clip != nullptr && time > clip->duration;
}

void AnimationController::LerpBlend(const std::string& skeleton, const AnimationState* state,
                                    std::vector<Math::VQS>& localPoses) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    const Assets::AnimationData* clip = ClipOf(state);
    if (bones == nullptr || clip == nullptr) {
        localPoses.clear();
        return;
    }
    localPoses.resize(bones->bones.size());
    ClipSampler sampler(*clip, state->GetTime());
    for (std::size_t i = 0; i < localPoses.size(); ++i) {
        localPoses[i] = sampler.Sample(static_cast<std::uint32_t>(i), bones->bones[i].bindPose);
    }
}

void AnimationController::LerpBlend1D(const std::string& skeleton, float weight, const AnimationState* a,
                                      const AnimationState* b, std::vector<Math::VQS>& localPoses) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    const Assets::AnimationData* clipA = ClipOf(a);
    const Assets::AnimationData* clipB = ClipOf(b);
    if (bones == nullptr || clipA == nullptr || clipB == nullptr) {
        localPoses.clear();
        return;
    }
    const float t = ClampWeight(weight);
    localPoses.resize(bones->bones.size());
    ClipSampler samplerA(*clipA, a->GetTime());
    ClipSampler samplerB(*clipB, b->GetTime());
    for (std::size_t i = 0; i < localPoses.size(); ++i) {
        const std::uint32_t bone = static_cast<std::uint32_t>(i);
        const Math::VQS& bind = bones->bones[i].bindPose;
        const Math::VQS poseA = samplerA.Sample(bone, bind);
        const Math::VQS poseB = samplerB.Sample(bone, bind);
        Math::VQS& blended = localPoses[i];
        blended.translation = Math::Lerp(poseA.translation, poseB.translation, t);
        // Slerp takes b on a's hemisphere, so q and -q in the two clips blend as one rotation.
        blended.rotation = Math::Slerp(poseA.rotation, poseB.rotation, t);
        blended.scale = Math::Lerp(poseA.scale, poseB.scale, t);
    }
}

void AnimationController::BuildTransformationMatricies(const std::string& skeleton,
                                                       const std::vector<Math::VQS>& localPoses,
                                                       std::vector<Math::Matrix4>& boneTransforms,
                                                       std::vector<Math::Matrix4>& skinningMatrices) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    if (bones == nullptr || localPoses.size() != bones->bones.size()) {
        boneTransforms.clear();
        skinningMatrices.clear();
        return;
    }
    boneTransforms.resize(localPoses.size());
    skinningMatrices.resize(localPoses.size());
    for (std::size_t i = 0; i < localPoses.size(); ++i) {
        const Assets::BoneData& bone = bones->bones[i];
        const Math::Matrix4 local = Math::ToMatrix4(localPoses[i]);
        // Parents come before children, so the parent's model matrix is already built.
        boneTransforms[i] = bone.parent < 0 ? local : boneTransforms[static_cast<std::size_t>(bone.parent)] * local;
        skinningMatrices[i] = boneTransforms[i] * bone.inverseBind;
    }
}

int AnimationController::GetBoneCount(const std::string& skeleton) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    return bones == nullptr ? 0 : static_cast<int>(bones->bones.size());
}

int AnimationController::GetBoneParent(const std::string& skeleton, int bone) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    if (bones == nullptr || bone < 0 || bone >= static_cast<int>(bones->bones.size())) return -1;
    return bones->bones[static_cast<std::size_t>(bone)].parent;
}

int AnimationController::FindBone(const std::string& skeleton, const std::string& name) {
    const Assets::SkeletonData* bones = AnimationLibrary::FindSkeleton(skeleton);
    if (bones == nullptr) return -1;
    for (std::size_t i = 0; i < bones->bones.size(); ++i) {
        if (bones->bones[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

float AnimationController::GetClipDuration(const std::string& clip) {
    const Assets::AnimationData* found = AnimationLibrary::FindClip(clip);
    return found == nullptr ? 0.0f : found->duration;
}

}  // namespace RenderInterface
