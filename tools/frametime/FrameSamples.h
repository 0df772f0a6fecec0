#pragma once
// Durations gathered one per frame, summarised by their median, which one slow frame (a page
// fault, another process taking the core) does not move.
#include <cstddef>
#include <vector>

namespace FrameTime {

class FrameSamples {
public:
    // Room for `capacity` samples, so that adding them during the run allocates nothing.
    explicit FrameSamples(std::size_t capacity);

    // Samples beyond the capacity are dropped.
    void Add(double milliseconds);
    std::size_t Count() const { return samples.size(); }
    // The middle sample, or the mean of the two middle ones; 0 without samples.
    double Median() const;

private:
    std::vector<double> samples;
};

}  // namespace FrameTime
