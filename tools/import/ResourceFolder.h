#pragma once
// Writes a whole resources folder at once: everything goes into a temporary folder beside the
// target, which then replaces the target by renaming, so a failure never leaves the target half
// written and a reader never sees a mix of old and new files.
#include <string>
#include <vector>

#include "AssetBuilder.h"

namespace CharacterImport {

// `files` have paths starting "resources/"; they land below `folder`. Refuses to replace an
// existing folder that does not look like a resources folder. Throws ImportError on failure.
void WriteResourceFolder(const std::string& folder, const std::vector<AssetGen::AssetFile>& files);

}  // namespace CharacterImport
