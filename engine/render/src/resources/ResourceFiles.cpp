#include "ResourceFiles.h"

#include <cstdio>

namespace RenderInterface {

namespace {

// The single place that tells the user about a resource file that cannot be used.
void Report(const char* path, const std::string& reason) {
    std::fprintf(stderr, "Vantor: cannot use resource '%s': %s\n",
                 path != nullptr ? Assets::NormalizePath(path).c_str() : "(null)", reason.c_str());
}

}  // namespace

ResourceResult ReportFileResult(const char* path, Assets::FileResult result, const std::string& error) {
    if (result != Assets::FileResult::Read) {
        Report(path, error);
    }
    switch (result) {
    case Assets::FileResult::Read:
        return ResourceResult::Loaded;
    case Assets::FileResult::Missing:
        return ResourceResult::FileNotFound;
    case Assets::FileResult::Unreadable:
        return ResourceResult::ReadFailed;
    case Assets::FileResult::Refused:
        break;
    }
    return ResourceResult::BadFormat;
}

ResourceResult ReportBadFormat(const char* path, const std::string& reason) {
    Report(path, reason);
    return ResourceResult::BadFormat;
}

bool CheckResourceNames(const char* path, const char* name) {
    if (path == nullptr || *path == '\0') {
        Report(path, "no path given");
        return false;
    }
    if (name == nullptr || *name == '\0') {
        Report(path, "no name to register it under");
        return false;
    }
    return true;
}

}  // namespace RenderInterface
