#pragma once
// Composing similarity transforms (rotation, translation and one uniform scale): where a
// character is placed.
#include "Character.h"

namespace CharacterImport {

// outer after inner.
inline Similarity Compose(const Similarity& outer, const Similarity& inner)
{
    return {outer.translation + Math::Rotate(outer.rotation, inner.translation * outer.scale),
            outer.rotation * inner.rotation, outer.scale * inner.scale};
}

inline Math::Matrix4 ToMatrix(const Similarity& s)
{
    return Math::Matrix4::TRS(s.translation, s.rotation, Math::Vector3::one * s.scale);
}

}  // namespace CharacterImport
