#pragma once
// Where two pictures of the same view differ, and where a colour shows, as a pixel count and
// bounding box, for checks by what a picture must show rather than by exact pixels.
#include <algorithm>
#include <cstdlib>

#include <TestSupport/FrameImage.h>

struct PixelRegion {
    int count = 0;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;

    void Add(int x, int y)
    {
        ++count;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

// Pixels whose colours differ by more than `threshold` (sum over r, g and b).
inline PixelRegion Changed(const TestSupport::FrameImage& a, const TestSupport::FrameImage& b, int threshold)
{
    PixelRegion region;
    for (unsigned y = 0; y < std::min(a.height, b.height); ++y) {
        for (unsigned x = 0; x < std::min(a.width, b.width); ++x) {
            const TestSupport::Pixel p = a.At(x, y);
            const TestSupport::Pixel q = b.At(x, y);
            if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > threshold) {
                region.Add(static_cast<int>(x), static_cast<int>(y));
            }
        }
    }
    return region;
}

// Pixels of the strong red the path is drawn in.
inline PixelRegion PathRed(const TestSupport::FrameImage& image)
{
    PixelRegion region;
    for (unsigned y = 0; y < image.height; ++y) {
        for (unsigned x = 0; x < image.width; ++x) {
            const TestSupport::Pixel p = image.At(x, y);
            if (p.r > 150 && p.g < 90 && p.b < 90) {
                region.Add(static_cast<int>(x), static_cast<int>(y));
            }
        }
    }
    return region;
}
