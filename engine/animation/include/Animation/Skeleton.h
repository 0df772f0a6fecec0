#pragma once
// A skeleton laid out for the pose loops: parents, bind poses and inverse bind matrices in
// separate arrays, bone i at index i, every parent before its children.
#include <cstdint>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace Animation {

struct Skeleton {
    std::vector<std::int32_t> parents;  // -1 for a root, otherwise an earlier bone
    std::vector<Math::VQS> bindPoses;
    std::vector<Math::Matrix4> inverseBinds;
    std::vector<std::string> names;     // for look-ups at set-up, never in the pose loops

    std::size_t BoneCount() const { return parents.size(); }
};

// Builds the runtime skeleton from a file's contents. False, with the reason in `error`, when
// a bone's parent is not an earlier bone.
bool BuildSkeleton(const Assets::SkeletonData& data, Skeleton& out, std::string& error);

}  // namespace Animation
