#include "FrameSamples.h"

#include <algorithm>

namespace FrameTime {

FrameSamples::FrameSamples(std::size_t capacity) {
    // Written once now so that the memory is resident before the run: filled only as the frames
    // go by, it showed as the process growing by 8 bytes a frame for each kind of sample.
    samples.assign(capacity, 0.0);
    samples.clear();
}

void FrameSamples::Add(double milliseconds) {
    if (samples.size() < samples.capacity()) {
        samples.push_back(milliseconds);
    }
}

double FrameSamples::Median() const {
    if (samples.empty()) {
        return 0.0;
    }
    std::vector<double> sorted = samples;
    const std::size_t middle = sorted.size() / 2;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle), sorted.end());
    const double upper = sorted[middle];
    if (sorted.size() % 2 == 1) {
        return upper;
    }
    const double lower = *std::max_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2.0;
}

}  // namespace FrameTime
