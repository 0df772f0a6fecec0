#pragma once
// The whole import: read the file, fit the character to the demo, lay out its skeleton for the
// weapon, choose and clean its clips, measure its stride, and write the resources folder with
// every other file from the asset builder. Nothing is written unless all of it succeeds.
#include <string>
#include <vector>

#include "ImportOptions.h"

namespace CharacterImport {

// Returns the report, one "key: value" line each; throws ImportError with the reason.
std::vector<std::string> Import(const ImportOptions& options);

}  // namespace CharacterImport
