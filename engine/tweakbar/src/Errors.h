#pragma once
// Failure reporting shared by every Tw* call.
#include <string>

namespace TweakBar {

// Records why the current call failed, for TwGetLastError, and prints it as one line on stderr.
// A message equal to the previous one is not printed again, so a caller repeating the same
// mistake every frame does not flood the console.
void ReportError(const std::string& message);

}  // namespace TweakBar
