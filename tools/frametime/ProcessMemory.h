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
// frames: a leak shows as a steady climb, while the allocator's one-off steps barely tilt a line
// fitted through many samples. 0 with fewer than two samples.
double ResidentSlopePer1000Frames(const std::vector<double>& samplesMiB, int framesApart);

}  // namespace FrameTime
