#pragma once
// This process's memory as the kernel reports it in /proc/self/status.
#include <string>

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

}  // namespace FrameTime
