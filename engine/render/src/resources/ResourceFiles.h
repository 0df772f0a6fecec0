#pragma once
// Reading asset files for registration, with the one place that reports a file that cannot be
// used: one line on stderr naming the path and the reason.
#include <string>

#include <Assets/Formats.h>
#include <RenderInterface/Renderer.h>

namespace RenderInterface {

// Reads the file at `path` (either separator). On failure reports it and returns why.
ResourceResult ReadResourceFile(const char* path, Assets::Bytes& bytes);
// Reports a file whose contents were refused and returns ResourceResult::BadFormat.
ResourceResult ReportBadFormat(const char* path, const std::string& reason);
// True when both are non-null and non-empty; otherwise reports and the caller returns BadName.
bool CheckResourceNames(const char* path, const char* name);

}  // namespace RenderInterface
