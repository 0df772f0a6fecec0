// The static animation runtime over the registry, each call a sequence of jobs.
#include <RenderInterface/Animation.h>

#include <Animation/Registry.h>

namespace RenderInterface {

namespace {

// The skeleton of the last call, so that a frame's calls do not hash its name again.
const Animation::Skeleton* FindSkeleton(const std::string& name) {
    static std::string lastName;
    static std::uint64_t lastGeneration = 0;
    static const Animation::Skeleton* last = nullptr;
    if (lastGeneration != Animation::Registry::Generation() || name != lastName) {
        lastName = name;
        lastGeneration = Animation::Registry::Generation();
        last = Animation::Registry::FindSkeleton(name);
    }
    return last;
}

// Samples the state's clip into `pose`, sized to the skeleton. False when the clip is unknown.
bool Sample(const Animation::Skeleton& skeleton, const AnimationState* state, const Animation::Clip* clip,
            Animation::SamplingCursor& cursor, std::vector<Math::VQS>& pose) {
    if (clip == nullptr) {
        return false;
    }
    pose.resize(skeleton.BoneCount());
    cursor.Bind(*clip);
    return Animation::SampleJob{&skeleton, clip, state->GetTime(), &cursor, pose}.Run();
}

}  // namespace

const Animation::Clip* AnimationState::FindClip() const {
    if (clipGeneration != Animation::Registry::Generation()) {
        clip = Animation::Registry::FindClip(animationName);
        clipGeneration = Animation::Registry::Generation();
    }
    return clip;
}

bool AnimationState::GetEndFlag() const {
    const Animation::Clip* found = FindClip();
    return found != nullptr && time > found->duration;
}

void AnimationController::LerpBlend(const std::string& skeleton, const AnimationState* state,
                                    std::vector<Math::VQS>& localPoses) {
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    if (bones == nullptr || state == nullptr || !Sample(*bones, state, state->FindClip(), state->cursor, localPoses)) {
        localPoses.clear();
    }
}

void AnimationController::LerpBlend1D(const std::string& skeleton, float weight, const AnimationState* a,
                                      const AnimationState* b, std::vector<Math::VQS>& localPoses) {
    // The second pose's scratch grows to the largest skeleton once and is reused.
    static std::vector<Math::VQS> poseB;
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    if (bones == nullptr || a == nullptr || b == nullptr || !Sample(*bones, a, a->FindClip(), a->cursor, localPoses) ||
        !Sample(*bones, b, b->FindClip(), b->cursor, poseB) ||
        !Animation::BlendJob{localPoses, poseB, weight, localPoses}.Run()) {
        localPoses.clear();
    }
}

void AnimationController::BuildTransformationMatricies(const std::string& skeleton,
                                                       const std::vector<Math::VQS>& localPoses,
                                                       std::vector<Math::Matrix4>& boneTransforms,
                                                       std::vector<Math::Matrix4>& skinningMatrices) {
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    if (bones == nullptr || localPoses.size() != bones->BoneCount()) {
        boneTransforms.clear();
        skinningMatrices.clear();
        return;
    }
    boneTransforms.resize(localPoses.size());
    skinningMatrices.resize(localPoses.size());
    Animation::LocalToModelJob{bones, localPoses, boneTransforms}.Run();
    Animation::SkinningJob{bones, boneTransforms, skinningMatrices}.Run();
}

int AnimationController::GetBoneCount(const std::string& skeleton) {
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    return bones == nullptr ? 0 : static_cast<int>(bones->BoneCount());
}

int AnimationController::GetBoneParent(const std::string& skeleton, int bone) {
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    if (bones == nullptr || bone < 0 || bone >= static_cast<int>(bones->BoneCount())) return -1;
    return bones->parents[static_cast<std::size_t>(bone)];
}

int AnimationController::FindBone(const std::string& skeleton, const std::string& name) {
    const Animation::Skeleton* bones = FindSkeleton(skeleton);
    if (bones == nullptr) return -1;
    for (std::size_t i = 0; i < bones->names.size(); ++i) {
        if (bones->names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

float AnimationController::GetClipDuration(const std::string& clip) {
    const Animation::Clip* found = Animation::Registry::FindClip(clip);
    return found == nullptr ? 0.0f : found->duration;
}

}  // namespace RenderInterface
