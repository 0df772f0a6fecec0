#pragma once
// The process-wide registry of skeletons and clips behind the static AnimationController and
// AnimationState::GetEndFlag. The renderer fills it through its ResourceContent and clears it
// when it is destroyed.
#include <RenderInterface/Renderer.h>

namespace RenderInterface {
namespace AnimationLibrary {

ResourceResult RegisterSkeletonFile(const char* path, const char* name);
ResourceResult RegisterAnimationFile(const char* path, const char* name);
void Clear();

}  // namespace AnimationLibrary
}  // namespace RenderInterface
