#include <TestSupport/FrameImage.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace TestSupport {

Pixel FrameImage::At(unsigned x, unsigned y) const {
    if (x >= width || y >= height)
        throw std::out_of_range("pixel " + std::to_string(x) + "," + std::to_string(y) + " outside the frame");
    const std::size_t at = (std::size_t{y} * width + x) * 4;
    return Pixel{rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
}

Color FrameImage::Average(unsigned x, unsigned y, unsigned w, unsigned h) const {
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

}  // namespace TestSupport
