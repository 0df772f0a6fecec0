// While the right button is held, a cursor closer than 10 pixels to an edge of the 1400 x 800
// window is warped to 10 pixels from the opposite edge; exactly 10 pixels away stays put.
#include "CameraFixture.h"

namespace DemoTest {
namespace {

struct WrapCase {
    SDL_Point from;
    SDL_Point to;
};

std::ostream& operator<<(std::ostream& out, const WrapCase& wrap)
{
    return out << "(" << wrap.from.x << ", " << wrap.from.y << ") -> (" << wrap.to.x << ", " << wrap.to.y << ")";
}

class CameraWrapTest : public CameraTest, public ::testing::WithParamInterface<WrapCase> {};

INSTANTIATE_TEST_SUITE_P(
    Borders, CameraWrapTest,
    ::testing::Values(WrapCase{{10, 400}, {10, 400}}, WrapCase{{9, 400}, {1390, 400}},
                      WrapCase{{1390, 400}, {1390, 400}}, WrapCase{{1391, 400}, {10, 400}},
                      WrapCase{{700, 10}, {700, 10}}, WrapCase{{700, 9}, {700, 790}},
                      WrapCase{{700, 790}, {700, 790}}, WrapCase{{700, 791}, {700, 10}}));

TEST_P(CameraWrapTest, WarpsOnlyInsideTheMargin)
{
    const WrapCase wrap = GetParam();
    HoldRightButton();
    PlacePointer(wrap.from.x, wrap.from.y);
    camera.Update();

    const SDL_Point pointer = PointerInWindow();
    EXPECT_EQ(pointer.x, wrap.to.x);
    EXPECT_EQ(pointer.y, wrap.to.y);
}

// Both warps use the position read before either, so the vertical one lands last and keeps the
// old x; the horizontal warp follows in the next frame.
TEST_F(CameraTest, InACornerWarpsVerticallyFirstThenHorizontally)
{
    HoldRightButton();
    PlacePointer(5, 5);
    camera.Update();
    SDL_Point pointer = PointerInWindow();
    EXPECT_EQ(pointer.x, 5);
    EXPECT_EQ(pointer.y, 790);

    PlacePointer(5, 790);
    camera.Update();
    pointer = PointerInWindow();
    EXPECT_EQ(pointer.x, 1390);
    EXPECT_EQ(pointer.y, 790);
}

}  // namespace
}  // namespace DemoTest
