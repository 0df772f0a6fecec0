#pragma once
// The process-wide registry of skeletons and clips behind the static AnimationController and
// AnimationState::GetEndFlag. The renderer fills it through its ResourceContent and clears it
// when it is destroyed.
#include <string>

#include <Assets/Formats.h>
#include <RenderInterface/Renderer.h>

namespace RenderInterface {
namespace AnimationLibrary {

// Read the file and register its contents under `name`, replacing what was there. A file that
// cannot be used is reported once on stderr and leaves nothing registered under the name.
ResourceResult RegisterSkeletonFile(const char* path, const char* name);
ResourceResult RegisterAnimationFile(const char* path, const char* name);
void Clear();

// What is registered under a name, or null. Clips hold their tracks in bone order.
// Looking up does not allocate.
const Assets::SkeletonData* FindSkeleton(const std::string& name);
const Assets::AnimationData* FindClip(const std::string& name);

}  // namespace AnimationLibrary
}  // namespace RenderInterface
