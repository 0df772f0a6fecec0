#include "ScreenAnalysis.h"

#include <algorithm>
#include <cmath>

namespace DemoTest {
namespace {

double Luminance(const TestSupport::FrameImage& image, unsigned x, unsigned y)
{
    const TestSupport::Pixel p = image.At(x, y);
    return 0.2126 * p.r + 0.7152 * p.g + 0.0722 * p.b;
}

}  // namespace

int FloorEdgeRow(const TestSupport::FrameImage& image)
{
    constexpr unsigned Left = 1000;
    constexpr unsigned Width = 380;
    constexpr unsigned FirstRow = 170;  // below the tweak panel
    constexpr double Drop = 4.0;        // the sky's own gradient changes far less from row to row
    if (image.width < Left + Width) {
        return -1;
    }
    double above = image.Average(Left, FirstRow, Width, 1).Luminance();
    for (unsigned row = FirstRow + 1; row < image.height; ++row) {
        const double here = image.Average(Left, row, Width, 1).Luminance();
        if (here < above - Drop) {
            return static_cast<int>(row);
        }
        above = here;
    }
    return -1;
}

int FloorShiftDown(const TestSupport::FrameImage& before, const TestSupport::FrameImage& after)
{
    // Centred, where the floor tiles' receding edges barely move sideways as the camera advances,
    // and below the path, the character and its shadow.
    constexpr unsigned Left = 600;
    constexpr unsigned Right = 900;
    constexpr int Top = 700;
    constexpr int MaxDown = 30;
    constexpr int MaxUp = 10;
    const int bottom = static_cast<int>(std::min(before.height, after.height));
    if (before.width < Right || after.width < Right || bottom <= Top + MaxDown + MaxUp) {
        return 0;
    }

    auto differenceAt = [&](int shift) {
        double difference = 0.0;
        for (int row = Top + MaxDown; row < bottom - MaxUp; ++row) {
            for (unsigned x = Left; x < Right; ++x) {
                difference += std::abs(Luminance(after, x, static_cast<unsigned>(row)) -
                                       Luminance(before, x, static_cast<unsigned>(row - shift)));
            }
        }
        return difference / ((bottom - MaxUp - Top - MaxDown) * static_cast<double>(Right - Left));
    };

    int bestShift = 0;
    double bestDifference = differenceAt(0);
    const double unshifted = bestDifference;
    for (int shift = -MaxUp; shift <= MaxDown; ++shift) {
        const double difference = differenceAt(shift);
        if (difference < bestDifference) {
            bestDifference = difference;
            bestShift = shift;
        }
    }
    // A shift counts only when it explains most of a clear change; else the floor stayed put.
    constexpr double ClearChange = 0.5;
    if (unshifted < ClearChange || bestDifference > 0.5 * unshifted) {
        return 0;
    }
    return bestShift;
}

}  // namespace DemoTest
