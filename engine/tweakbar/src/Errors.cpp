#include "Errors.h"

#include <cstdio>

#include "AntTweakBar.h"

namespace {

// Kept apart from the library context: failures before TwInit and after TwTerminate must be
// readable too.
std::string& LastError() {
    static std::string message;
    return message;
}

}  // namespace

namespace TweakBar {

void ReportError(const std::string& message) {
    std::string& last = LastError();
    if (message != last) {
        std::fprintf(stderr, "TweakBar: %s\n", message.c_str());
        last = message;
    }
}

}  // namespace TweakBar

const char* TwGetLastError() {
    return LastError().c_str();
}
