#pragma once
// What a picture of the running demo shows, judged by colour classes and by where two pictures
// differ, never by exact pixel values: the sky is bright and bluish, the floor bright and grey
// (a touch warm), the tweak panel dark, the path drawn in red.
#include <vector>

#include <TestSupport/FrameImage.h>

namespace EndToEnd {

using TestSupport::FrameImage;

struct Rect {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool Empty() const { return right < left || bottom < top; }
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool Overlaps(const Rect& o) const {
        return !Empty() && !o.Empty() && left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
    void Add(int x, int y);
};

bool IsSky(const TestSupport::Color& c);
bool IsFloor(const TestSupport::Color& c);

// Mean colour of the `size`-pixel square whose top-left corner is (x, y).
TestSupport::Color Patch(const FrameImage& image, int x, int y, int size = 8);

// The panel hanging from the top-left (or top-right) corner: its title bar runs along its top edge
// and its dark body down its left edge; both end where the scene shows again.
Rect FindPanel(const FrameImage& image);
Rect FindRightPanel(const FrameImage& image);

// The middle rows of the lines of light text inside `area`, top first: on the dark panel each is
// one line of labels or values, wherever the UI's font and spacing put it.
std::vector<int> TextLines(const FrameImage& image, const Rect& area);

// The floor's far edge: down a band just right of the middle, the first row clearly darker than
// the sky above it; -1 when there is none.
int HorizonRow(const FrameImage& image);

// The bounding box of the path's red pixels.
Rect PathExtent(const FrameImage& image);

// The colours differ clearly.
bool Differs(const TestSupport::Pixel& p, const TestSupport::Pixel& q);

struct Changes {
    int count = 0;
    Rect box;
};
// Pixels outside `ignored` whose colour differs clearly between the two pictures.
Changes Compare(const FrameImage& a, const FrameImage& b, const Rect& ignored = Rect{});

}  // namespace EndToEnd
