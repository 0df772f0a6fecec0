#pragma once
// What a picture of the demo's scene shows, measured by colour regions and by how two pictures
// differ, never by exact pixel values.
#include <TestSupport/FrameImage.h>

namespace DemoTest {

// The row where the floor's far edge meets the sky, looked for right of the tweak panel: the first
// row from the top that is clearly darker than the row above. -1 if there is none.
int FloorEdgeRow(const TestSupport::FrameImage& image);

// How many rows the picture moved down between `before` and `after` in a patch of floor below the
// character's path (negative: up), found as the shift that best lines the two up.
int FloorShiftDown(const TestSupport::FrameImage& before, const TestSupport::FrameImage& after);

}  // namespace DemoTest
