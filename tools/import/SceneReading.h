#pragma once
// Reads a standard file through Assimp into a Character: the bones its skinned meshes use (and
// the nodes joining them), the skinned meshes merged into one, and every animation's keys on
// those bones. Checks what the demo cannot use and repairs what exporters commonly get wrong.
#include <string>

#include "Character.h"

namespace CharacterImport {

// Throws ImportError naming the reason (the caller adds the file's name).
Character ReadCharacter(const std::string& path);

}  // namespace CharacterImport
