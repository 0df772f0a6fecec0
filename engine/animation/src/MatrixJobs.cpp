#include <Animation/Jobs.h>

#include "PoseMath.h"

namespace Animation {

bool LocalToModelJob::Validate() const {
    return skeleton != nullptr && localPoses.data != nullptr && output.data != nullptr &&
           localPoses.size == skeleton->BoneCount() && output.size == skeleton->BoneCount();
}

bool LocalToModelJob::Run() const {
    if (!Validate()) {
        return false;
    }
    for (std::size_t i = 0; i < output.size; ++i) {
        PoseMath::Float4 local[4];
        PoseMath::ComposeTRS(localPoses.data[i], local);
        local[3] = PoseMath::Float4{0.0f, 0.0f, 0.0f, 1.0f};
        const std::int32_t parent = skeleton->parents[i];
        if (parent < 0) {
            for (int row = 0; row < 4; ++row) {
                PoseMath::Store(output.data[i].m + row * 4, local[row]);
            }
        } else {
            // Parents come before children, so the parent's model matrix is already built.
            PoseMath::MultiplyAffine(output.data[parent], local, output.data[i]);
        }
    }
    return true;
}

bool SkinningJob::Validate() const {
    return skeleton != nullptr && boneTransforms.data != nullptr && output.data != nullptr &&
           boneTransforms.size == skeleton->BoneCount() && output.size == skeleton->BoneCount();
}

bool SkinningJob::Run() const {
    if (!Validate()) {
        return false;
    }
    for (std::size_t i = 0; i < output.size; ++i) {
        const float* inverseBind = skeleton->inverseBinds[i].m;
        const PoseMath::Float4 rows[4] = {PoseMath::Load(inverseBind), PoseMath::Load(inverseBind + 4),
                                          PoseMath::Load(inverseBind + 8), PoseMath::Load(inverseBind + 12)};
        PoseMath::MultiplyAffine(boneTransforms.data[i], rows, output.data[i]);
    }
    return true;
}

}  // namespace Animation
