#include <Animation/Skeleton.h>

namespace Animation {

bool BuildSkeleton(const Assets::SkeletonData& data, Skeleton& out, std::string& error) {
    Skeleton built;
    built.parents.reserve(data.bones.size());
    built.bindPoses.reserve(data.bones.size());
    built.inverseBinds.reserve(data.bones.size());
    built.names.reserve(data.bones.size());
    for (std::size_t i = 0; i < data.bones.size(); ++i) {
        const Assets::BoneData& bone = data.bones[i];
        // The hierarchy is walked in one pass, so a parent must already be built.
        if (bone.parent < -1 || bone.parent >= static_cast<std::int64_t>(i)) {
            error = "bone " + std::to_string(i) + " has parent " + std::to_string(bone.parent) +
                    ", which is not an earlier bone";
            return false;
        }
        built.parents.push_back(bone.parent);
        built.bindPoses.push_back(bone.bindPose);
        built.inverseBinds.push_back(bone.inverseBind);
        built.names.push_back(bone.name);
    }
    out = std::move(built);
    return true;
}

}  // namespace Animation
