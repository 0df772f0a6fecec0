#pragma once
// Registration of skeleton and clip files for the renderer's ResourceContent: the file is read
// here and its contents handed to the animation runtime's registry (Animation::Registry), which
// the static AnimationController and AnimationState use.
#include <Animation/Registry.h>
#include <RenderInterface/Renderer.h>

namespace RenderInterface {
namespace AnimationLibrary {

// Read the file and register its contents under `name`, replacing what was there. A file that
// cannot be used is reported once on stderr and leaves nothing registered under the name.
ResourceResult RegisterSkeletonFile(const char* path, const char* name);
ResourceResult RegisterAnimationFile(const char* path, const char* name);

}  // namespace AnimationLibrary
}  // namespace RenderInterface
