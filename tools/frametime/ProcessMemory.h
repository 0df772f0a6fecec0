#pragma once
// This process's memory as the kernel reports it in /proc/self/status.
#include <string>
#include <vector>

namespace FrameTime {

struct MemoryStatus {
    double residentMiB = 0.0;      // VmRSS: resident now
    double peakResidentMiB = 0.0;  // VmHWM: the most that was ever resident
};

// Reads VmRSS and VmHWM (given in kB) out of the text of a status file; a field that is
// missing stays 0.
MemoryStatus ParseMemoryStatus(const std::string& statusText);
// The current process's figures.
MemoryStatus ReadMemoryStatus();

// Least-squares slope of resident-set samples taken every `framesApart` frames, in MiB per 1,000
// frames. 0 with fewer than two samples.
double ResidentSlopePer1000Frames(const std::vector<double>& samplesMiB, int framesApart);
// The share of the steps between samples in which the resident set rose. A leak climbs in nearly
// every step; the GL driver's one-off growth (a few MiB at once while its heap warms up) in one,
// though on a short run that single step can tilt the fitted line as much as a leak. 0 with fewer
// than two samples.
double ShareOfRisingSteps(const std::vector<double>& samplesMiB);

}  // namespace FrameTime
