#include <Animation/Jobs.h>

#include "PoseMath.h"

namespace Animation {

bool BlendJob::Validate() const {
    return a.data != nullptr && b.data != nullptr && output.data != nullptr && a.size == output.size &&
           b.size == output.size;
}

bool BlendJob::Run() const {
    if (!Validate()) {
        return false;
    }
    // Weights outside [0, 1] would extrapolate past both poses; a NaN weight reads as 0.
    const float t = weight > 0.0f ? (weight < 1.0f ? weight : 1.0f) : 0.0f;
    for (std::size_t i = 0; i < output.size; ++i) {
        const Math::VQS& poseA = a.data[i];
        const Math::VQS& poseB = b.data[i];
        Math::VQS& blended = output.data[i];
        blended.translation = PoseMath::Lerp(poseA.translation, poseB.translation, t);
        // The shorter arc, so q and -q in the two poses blend as one rotation.
        blended.rotation = PoseMath::Slerp(poseA.rotation, poseB.rotation, t);
        blended.scale = PoseMath::Lerp(poseA.scale, poseB.scale, t);
    }
    return true;
}

}  // namespace Animation
