#pragma once
// Composing similarity transforms (rotation, translation and one uniform scale): the placement
// of a character and the model-space frames of its bones.
#include "Character.h"

namespace CharacterImport {

// outer after inner.
inline Similarity Compose(const Similarity& outer, const Similarity& inner)
{
    return {outer.translation + Math::Rotate(outer.rotation, inner.translation * outer.scale),
            outer.rotation * inner.rotation, outer.scale * inner.scale};
}

inline Similarity Inverse(const Similarity& s)
{
    const Math::Quaternion back = Math::Conjugate(s.rotation);
    return {Math::Rotate(back, s.translation) * (-1.0f / s.scale), back, 1.0f / s.scale};
}

inline Math::Matrix4 ToMatrix(const Similarity& s)
{
    return Math::Matrix4::TRS(s.translation, s.rotation, Math::Vector3::one * s.scale);
}

// A bone's bind frame in model space (scales taken as uniform, from their x).
inline Similarity BindFrame(const Assets::SkeletonData& skeleton, int bone)
{
    Similarity frame;
    for (; bone >= 0; bone = skeleton.bones[static_cast<std::size_t>(bone)].parent) {
        const Math::VQS& pose = skeleton.bones[static_cast<std::size_t>(bone)].bindPose;
        frame = Compose({pose.translation, pose.rotation, pose.scale.x}, frame);
    }
    return frame;
}

}  // namespace CharacterImport
