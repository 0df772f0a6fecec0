#pragma once
// Reading asset files for registration, with the one place that reports a file that cannot be
// used: one line on stderr naming the path as it was opened and the reason.
#include <string>

#include <Assets/Formats.h>
#include <RenderInterface/Renderer.h>

namespace RenderInterface {

// Reports the outcome of reading `path` unless it was read, and says what it means for a registration.
ResourceResult ReportFileResult(const char* path, Assets::FileResult result, const std::string& error);

// Reads the file at `path` (either separator) with one of the Assets::Read*File readers, which
// check it before reading its body. On failure reports it and returns why.
template <typename Data>
ResourceResult ReadResourceFile(const char* path, Data& data,
                                Assets::FileResult (*read)(const std::string&, Data&, std::string&)) {
    std::string error;
    return ReportFileResult(path, read(path, data, error), error);
}

// Reports a file whose contents were refused and returns ResourceResult::BadFormat.
ResourceResult ReportBadFormat(const char* path, const std::string& reason);
// True when both are non-null and non-empty; otherwise reports and the caller returns BadName.
bool CheckResourceNames(const char* path, const char* name);

}  // namespace RenderInterface
