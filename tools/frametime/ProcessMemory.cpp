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

double ShareOfRisingSteps(const std::vector<double>& samplesMiB) {
    if (samplesMiB.size() < 2) {
        return 0.0;
    }
    std::size_t rising = 0;
    for (std::size_t i = 1; i < samplesMiB.size(); ++i) {
        rising += samplesMiB[i] > samplesMiB[i - 1] ? 1 : 0;
    }
    return static_cast<double>(rising) / static_cast<double>(samplesMiB.size() - 1);
}

double ResidentSlopePer1000Frames(const std::vector<double>& samplesMiB, int framesApart) {
    const double n = static_cast<double>(samplesMiB.size());
    if (samplesMiB.size() < 2 || framesApart <= 0) {
        return 0.0;
    }
    const double meanIndex = (n - 1.0) / 2.0;
    double meanValue = 0.0;
    for (double value : samplesMiB) {
        meanValue += value / n;
    }
    double covariance = 0.0, variance = 0.0;
    for (std::size_t i = 0; i < samplesMiB.size(); ++i) {
        const double offset = static_cast<double>(i) - meanIndex;
        covariance += offset * (samplesMiB[i] - meanValue);
        variance += offset * offset;
    }
    return covariance / variance * 1000.0 / framesApart;
}

}  // namespace FrameTime
