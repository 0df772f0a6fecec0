#pragma once
// A frame read back from the renderer, with the few look-ups pixel tests need.
#include <cstdint>
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
    Pixel At(unsigned x, unsigned y) const;
    // Mean colour of the w x h pixels whose top-left corner is (x, y), clipped to the image;
    // throws std::out_of_range when nothing of the region lies inside.
    Color Average(unsigned x, unsigned y, unsigned w, unsigned h) const;
};

}  // namespace TestSupport
