#include "ProcessMemory.h"

#include <fstream>
#include <sstream>

namespace FrameTime {
namespace {

// The kB figure on the line "<field>: <n> kB", in MiB; 0 when there is no such line.
double FieldMiB(const std::string& text, const std::string& field) {
    const std::string key = field + ":";
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, key.size(), key) == 0) {
            std::istringstream value(line.substr(key.size()));
            double kiB = 0.0;
            return (value >> kiB) ? kiB / 1024.0 : 0.0;
        }
    }
    return 0.0;
}

}  // namespace

MemoryStatus ParseMemoryStatus(const std::string& statusText) {
    return MemoryStatus{FieldMiB(statusText, "VmRSS"), FieldMiB(statusText, "VmHWM")};
}

MemoryStatus ReadMemoryStatus() {
    std::ifstream file("/proc/self/status");
    std::ostringstream text;
    text << file.rdbuf();
    return ParseMemoryStatus(text.str());
}

}  // namespace FrameTime
