#include "ResourceFiles.h"

#include <cstdio>

namespace RenderInterface {

namespace {

// The single place that tells the user about a resource file that cannot be used.
void Report(const char* path, const std::string& reason) {
    std::fprintf(stderr, "Vantor: cannot use resource '%s': %s\n", path != nullptr ? path : "(null)",
                 reason.c_str());
}

}  // namespace

ResourceResult ReadResourceFile(const char* path, Assets::Bytes& bytes) {
    if (path == nullptr || *path == '\0') {
        Report(path, "no path given");
        return ResourceResult::BadName;
    }
    std::string error;
    bool missing = false;
    if (Assets::ReadFileBytes(path, bytes, error, &missing)) {
        return ResourceResult::Loaded;
    }
    Report(path, error);
    return missing ? ResourceResult::FileNotFound : ResourceResult::ReadFailed;
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
