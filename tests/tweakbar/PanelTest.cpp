// The panel: entries laid out top to bottom in the order added, and working them with the mouse
// and keyboard writes straight into the bound variables, within each float's min, max and step.
#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using Panel = LibraryTest;

// One row per entry, top to bottom in the order added, evenly spaced without overlapping, the
// values in one column inside the panel (whatever sizes the UI's font gives them).
TEST_F(Panel, EntriesAreLaidOutInRowsInTheOrderAdded) {
    DemoBar demo;
    PanelDriver driver(window, demo.bar);
    const TwRect panel = TwGetBarRect(demo.bar);
    const char* rows[] = {"AnimationClips", "WeaponTypes", "DeltaTime", "Speed", "Speed_Walk_Start"};
    const TwRect first = ValueRect(demo.bar, rows[0]), second = ValueRect(demo.bar, rows[1]);
    const float pitch = second.y - first.y;
    EXPECT_GE(pitch, first.height);
    for (int row = 0; row < 5; ++row) {
        const TwRect value = ValueRect(demo.bar, rows[row]);
        EXPECT_EQ(value.x, first.x) << rows[row];
        EXPECT_EQ(value.y, first.y + pitch * float(row)) << rows[row];
        EXPECT_TRUE(value.x > panel.x + 50 && value.x + value.width <= panel.x + panel.width &&
                    value.y + value.height <= panel.y + panel.height) << rows[row];
    }
}

// A drop-down writes the chosen row's value; floats move by their step and stay within min and max.
TEST_F(Panel, ChoosingAndSteppingWriteTheBoundVariablesWithinLimits) {
    DemoBar demo;
    PanelDriver driver(window, demo.bar);
    driver.Choose("WeaponTypes", 3);
    EXPECT_EQ(demo.weaponIndex, 3);
    EXPECT_EQ(demo.clipIndex, 5);
    driver.Choose("AnimationClips", 14);  // all fifteen listed without scrolling
    EXPECT_EQ(demo.clipIndex, 14);
    driver.Step("Speed", true);
    EXPECT_EQ(demo.speed, 1.5f);
    for (int i = 0; i < 4; ++i) driver.Step("Speed", false);
    EXPECT_EQ(demo.speed, 0.0f);
    driver.Step("DeltaTime", true);
    EXPECT_FLOAT_EQ(demo.deltaTime, 0.023f);
    driver.Type("Speed", "42.25");
    EXPECT_EQ(demo.speed, 42.25f);
    driver.Type("Speed", "500");
    EXPECT_EQ(demo.speed, 300.0f);
    driver.Type("DeltaTime", "-3");
    EXPECT_EQ(demo.deltaTime, 0.0f);
    EXPECT_EQ(demo.speedWalkStart, 1.0f);
}

// A deleted bar leaves the others, its pixels vanish, and its pointer is refused afterwards.
TEST_F(Panel, DeletingABarRemovesOnlyIt) {
    const unsigned char clear[3] = {51, 153, 230};
    glClearColor(51 / 255.0f, 153 / 255.0f, 230 / 255.0f, 1.0f);
    DemoBar demo;
    TwBar* kept = TwNewBar("Kept");
    PanelDriver driver(window, demo.bar);
    glClear(GL_COLOR_BUFFER_BIT);
    driver.Frames(1);
    const TwRect panel = TwGetBarRect(demo.bar);
    EXPECT_GT(FractionNotOfColour(panel, clear), 0.95);
    EXPECT_EQ(FractionNotOfColour(TwRect{600, 300, 600, 400}, clear), 0.0);

    ASSERT_EQ(TwDeleteBar(demo.bar), 1);
    glClear(GL_COLOR_BUFFER_BIT);
    driver.Frames(1);
    EXPECT_EQ(FractionNotOfColour(TwRect{panel.x, panel.y, 20, panel.height}, clear), 0.0);
    EXPECT_EQ(TwGetBarByName("Tovrin_Stage1"), nullptr);
    EXPECT_EQ(TwGetBarByName("Kept"), kept);
    EXPECT_EQ(TwDeleteBar(demo.bar), 0);
    EXPECT_TRUE(LastErrorMentions("not a live bar"));
}

}  // namespace
}  // namespace TweakBarTest
