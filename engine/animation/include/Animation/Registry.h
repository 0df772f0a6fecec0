#pragma once
// The process-wide skeletons and clips by name, behind the static AnimationController and
// AnimationState. Data are laid out for the runtime when they are added. Pointers stay valid
// until the name is replaced or the registry cleared; Generation() changes whenever that can
// have happened, so a holder of a pointer knows when to look the name up again.
#include <cstdint>
#include <string>

#include <Animation/Clip.h>
#include <Animation/Skeleton.h>

namespace Animation {
namespace Registry {

// Add under `name`, replacing what was there. False, with the reason, when the data cannot be
// used; the name then holds nothing.
bool AddSkeleton(const std::string& name, const Assets::SkeletonData& data, std::string& error);
bool AddClip(const std::string& name, const Assets::AnimationData& data, std::string& error);
void RemoveSkeleton(const std::string& name);
void RemoveClip(const std::string& name);
void Clear();

// What is registered under a name, or null. Looking up does not allocate.
const Skeleton* FindSkeleton(const std::string& name);
const Clip* FindClip(const std::string& name);

std::uint64_t Generation();

}  // namespace Registry
}  // namespace Animation
