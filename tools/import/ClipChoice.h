#pragma once
// The demo's fifteen clips from the file's animations: Walk and Run as asked (an animation's name
// or a frame range of one timeline) or picked by name, the others where an animation's name
// matches and otherwise the bind pose held. Key times become the demo's clip time.
#include <string>
#include <vector>

#include "Character.h"

namespace CharacterImport {

struct ChosenClip {
    std::string name;    // the name the demo registers it under
    std::string source;  // what it was made from, for the report
    Assets::AnimationData clip;
    double seconds = 0.0;
};

// In the order of Assets::kClipFiles. Throws ImportError when a named clip or range is not there.
std::vector<ChosenClip> ChooseClips(const Character& character, const std::string& walk, const std::string& run);

// Lower-case letters and digits of a name after any "namespace:" or "Armature|" prefix.
std::string Simplified(const std::string& name);

}  // namespace CharacterImport
