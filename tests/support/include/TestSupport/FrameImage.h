#pragma once
// A frame read back from the renderer, with the few look-ups pixel tests need.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace TestSupport {

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// Channel means over a region, each 0 to 255.
struct Color {
    double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
    double Luminance() const { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }
};

// RGBA8 pixels, top row first: (0, 0) is the top-left pixel, x grows to the right, y downwards.
struct FrameImage {
    unsigned width = 0, height = 0;
    std::vector<std::uint8_t> rgba;

    // The pixel at (x, y); throws std::out_of_range outside the image.
    Pixel At(unsigned x, unsigned y) const {
        if (x >= width || y >= height)
            throw std::out_of_range("pixel " + std::to_string(x) + "," + std::to_string(y) + " outside the frame");
        const std::size_t at = (std::size_t{y} * width + x) * 4;
        return Pixel{rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
    }
    // Mean colour of the w x h pixels whose top-left corner is (x, y), clipped to the image;
    // throws std::out_of_range when nothing of the region lies inside.
    Color Average(unsigned x, unsigned y, unsigned w, unsigned h) const {
        const unsigned x1 = std::min(width, x + w), y1 = std::min(height, y + h);
        if (x >= x1 || y >= y1) throw std::out_of_range("region outside the frame");
        Color sum;
        for (unsigned row = y; row < y1; ++row) {
            for (unsigned column = x; column < x1; ++column) {
                const Pixel p = At(column, row);
                sum = Color{sum.r + p.r, sum.g + p.g, sum.b + p.b, sum.a + p.a};
            }
        }
        const double count = double(x1 - x) * double(y1 - y);
        return Color{sum.r / count, sum.g / count, sum.b / count, sum.a / count};
    }
};

}  // namespace TestSupport
