#include "Pictures.h"

#include <algorithm>
#include <cstdlib>

namespace EndToEnd {

void Rect::Add(int x, int y) {
    *this = Empty() ? Rect{x, y, x, y} : Rect{std::min(left, x), std::min(top, y), std::max(right, x), std::max(bottom, y)};
}

bool IsSky(const TestSupport::Color& c) {
    return c.Luminance() > 120.0 && c.b - c.r > 8.0;
}

bool IsFloor(const TestSupport::Color& c) {
    return c.Luminance() > 100.0 && c.b - c.r < 2.0 && std::abs(c.g - c.r) < 15.0;
}

TestSupport::Color Patch(const FrameImage& image, int x, int y, int size) {
    return image.Average(unsigned(x), unsigned(y), unsigned(size), unsigned(size));
}

namespace {

bool IsScene(const TestSupport::Pixel& p) {
    const TestSupport::Color c{double(p.r), double(p.g), double(p.b), 255.0};
    return IsSky(c) || IsFloor(c);
}

// A row just inside a panel's title bar's top edge, clear of text.
constexpr int TitleRow = 12;

// The panel whose title bar holds (column, TitleRow): along that row to its far end (step 1 to the
// right, -1 to the left), and down a column just inside its body's left edge.
Rect PanelFrom(const FrameImage& image, int column, int step) {
    Rect panel;
    const auto scene = [&](int x, int y) { return IsScene(image.At(unsigned(x), unsigned(y))); };
    if (column < 0 || unsigned(column) >= image.width || image.height <= unsigned(TitleRow) || scene(column, TitleRow)) {
        return panel;
    }
    int far = column;
    while (far + step >= 0 && unsigned(far + step) < image.width && !scene(far + step, TitleRow)) far += step;
    const int inside = step > 0 ? column : far + 2;
    int bottom = TitleRow;
    while (unsigned(bottom + 1) < image.height && !scene(inside, bottom + 1)) ++bottom;
    // The panel's own border is a pixel or two outside the scanned row and column.
    panel.Add(inside - 2, TitleRow - 2);
    panel.Add(std::max(column, far), bottom);
    return panel;
}

}  // namespace

Rect FindPanel(const FrameImage& image) { return PanelFrom(image, TitleRow, 1); }

Rect FindRightPanel(const FrameImage& image) {
    int right = int(image.width) - 1;
    while (right >= 0 && image.height > unsigned(TitleRow) && IsScene(image.At(unsigned(right), TitleRow))) --right;
    return PanelFrom(image, right, -1);
}

std::vector<int> TextLines(const FrameImage& image, const Rect& area) {
    const int right = std::min(area.right, int(image.width) - 1);
    const int bottom = std::min(area.bottom, int(image.height) - 1);
    std::vector<int> lines;
    int first = -1;
    for (int y = std::max(area.top, 0); y <= bottom + 1; ++y) {
        bool text = false;
        for (int x = std::max(area.left, 0); y <= bottom && x <= right && !text; ++x) {
            const TestSupport::Pixel p = image.At(unsigned(x), unsigned(y));
            text = std::min({p.r, p.g, p.b}) > 170;
        }
        if (text && first < 0) first = y;
        if (!text && first >= 0) lines.push_back((first + y - 1) / 2), first = -1;
    }
    return lines;
}

int HorizonRow(const FrameImage& image) {
    // Just right of the middle the far edge runs level, and nothing else crosses it there.
    const unsigned left = image.width / 2 + 20;
    const unsigned band = std::max(8u, image.height / 5);
    if (left + band > image.width) return -1;
    double above = image.Average(left, 0, band, 1).Luminance();
    for (unsigned y = 1; y < image.height; ++y) {
        const double here = image.Average(left, y, band, 1).Luminance();
        if (here < above - 5.0) return int(y);
        above = here;
    }
    return -1;
}

Rect PathExtent(const FrameImage& image) {
    Rect path;
    for (unsigned y = 0; y < image.height; ++y) {
        for (unsigned x = 0; x < image.width; ++x) {
            const TestSupport::Pixel p = image.At(x, y);
            if (p.r > 150 && p.g < 90 && p.b < 90) path.Add(int(x), int(y));
        }
    }
    return path;
}

bool Differs(const TestSupport::Pixel& p, const TestSupport::Pixel& q) {
    return std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 40;
}

Changes Compare(const FrameImage& a, const FrameImage& b, const Rect& ignored) {
    Changes changes;
    if (a.width != b.width || a.height != b.height) return Changes{-1, {}};
    for (unsigned y = 0; y < a.height; ++y) {
        for (unsigned x = 0; x < a.width; ++x) {
            if (!ignored.Contains(int(x), int(y)) && Differs(a.At(x, y), b.At(x, y))) {
                ++changes.count;
                changes.box.Add(int(x), int(y));
            }
        }
    }
    return changes;
}

}  // namespace EndToEnd
