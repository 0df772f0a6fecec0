// Working the panel with the mouse and keyboard writes straight into the bound variables; the
// step buttons move a float by exactly its step, and it never leaves its min and max.
#include <gtest/gtest.h>

#include <memory>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

// Default ImGui style: square step buttons 19 px wide with 4 px between them at the right end of
// the field; a combo's list opens below it, rows 17 px apart starting 8 px down.
class PanelInteractionTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        demo = std::make_unique<DemoBar>();
        driver = std::make_unique<PanelDriver>(window);
        driver->Frames(2);
    }
    void Choose(const char* entry, int row) {
        const TwRect combo = ValueRect(demo->bar, entry);
        driver->Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
        driver->Click(combo.x + 30, combo.y + combo.height + 8 + 17.0f * static_cast<float>(row) + 6);
    }
    void Plus(const char* entry) {
        const TwRect field = ValueRect(demo->bar, entry);
        driver->Click(field.x + field.width - 9.5f, field.y + 9.5f);
    }
    void Minus(const char* entry) {
        const TwRect field = ValueRect(demo->bar, entry);
        driver->Click(field.x + field.width - 19 - 4 - 9.5f, field.y + 9.5f);
    }
    void Type(const char* entry, const char* text) {
        const TwRect field = ValueRect(demo->bar, entry);
        driver->Click(field.x + 20, field.y + 9.5f);
        driver->Type(text);
    }

    std::unique_ptr<DemoBar> demo;
    std::unique_ptr<PanelDriver> driver;
};

TEST_F(PanelInteractionTest, ChoosingFromAComboSetsTheValueOfThatRow) {
    Choose("WeaponTypes", 3);
    EXPECT_EQ(demo->weaponIndex, 3);
    EXPECT_EQ(demo->clipIndex, 5);
    // All fifteen clips are listed without scrolling.
    Choose("AnimationClips", 14);
    EXPECT_EQ(demo->clipIndex, 14);
    Choose("AnimationClips", 0);
    EXPECT_EQ(demo->clipIndex, 0);
}

TEST_F(PanelInteractionTest, StepButtonsMoveByTheStepAndStopAtMinAndMax) {
    Plus("Speed");
    EXPECT_EQ(demo->speed, 1.5f);
    Minus("Speed");
    Minus("Speed");
    Minus("Speed");
    Minus("Speed");
    EXPECT_EQ(demo->speed, 0.0f);
    demo->speed = 299.75f;
    Plus("Speed");
    EXPECT_EQ(demo->speed, 300.0f);
    Plus("DeltaTime");
    EXPECT_FLOAT_EQ(demo->deltaTime, 0.023f);
    EXPECT_EQ(demo->speedWalkStart, 1.0f);
}

TEST_F(PanelInteractionTest, TypedNumbersAreTakenAndClampedIntoRange) {
    Type("Speed", "42.25");
    EXPECT_EQ(demo->speed, 42.25f);
    Type("Speed", "500");
    EXPECT_EQ(demo->speed, 300.0f);
    Type("DeltaTime", "-3");
    EXPECT_EQ(demo->deltaTime, 0.0f);
}

}  // namespace
}  // namespace TweakBarTest
