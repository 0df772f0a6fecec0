// Working the panel with the mouse and keyboard writes straight into the bound variables, and a
// float never leaves its min and max; the step buttons move it by exactly its step.
#include <gtest/gtest.h>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

// Default ImGui style with its 13-pixel font: square step buttons one frame (19 px) high with
// 4 px between them, and combo-list rows 17 px apart starting 8 px below the combo box.
constexpr float kButton = 19.0f;
constexpr float kButtonGap = 4.0f;
constexpr float kListTop = 8.0f;
constexpr float kListRow = 17.0f;

class PanelInteractionTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        demo = std::make_unique<DemoBar>();
        driver = std::make_unique<PanelDriver>(window);
        driver->Frames(2);
    }
    void ChooseFromCombo(const char* entry, int row) {
        const TwRect combo = FindValueRect(demo->bar, entry);
        driver->Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
        driver->Click(combo.x + 30, combo.y + combo.height + kListTop + kListRow * static_cast<float>(row) + 6);
    }
    void ClickPlus(const char* entry) {
        const TwRect field = FindValueRect(demo->bar, entry);
        driver->Click(field.x + field.width - kButton / 2, field.y + field.height / 2);
    }
    void ClickMinus(const char* entry) {
        const TwRect field = FindValueRect(demo->bar, entry);
        driver->Click(field.x + field.width - kButton - kButtonGap - kButton / 2, field.y + field.height / 2);
    }
    void TypeInto(const char* entry, const char* text) {
        const TwRect field = FindValueRect(demo->bar, entry);
        driver->Click(field.x + 20, field.y + field.height / 2);
        driver->Type(text);
        driver->PressKey(SDL_SCANCODE_RETURN);
    }

    std::unique_ptr<DemoBar> demo;
    std::unique_ptr<PanelDriver> driver;
};

TEST_F(PanelInteractionTest, ChoosingGunInTheWeaponComboSelectsValueThree) {
    ChooseFromCombo("WeaponTypes", 3);
    EXPECT_EQ(demo->weaponIndex, 3);
    EXPECT_STREQ(TwGetEnumLabel(demo->weaponType, demo->weaponIndex), "Gun");
    EXPECT_EQ(demo->clipIndex, 5);
}

TEST_F(PanelInteractionTest, TheClipComboListsAllFifteenClipsWithoutScrolling) {
    ChooseFromCombo("AnimationClips", 14);
    EXPECT_EQ(demo->clipIndex, 14);
    ChooseFromCombo("AnimationClips", 0);
    EXPECT_EQ(demo->clipIndex, 0);
}

TEST_F(PanelInteractionTest, ClickingTheComboAndAwayLeavesTheValue) {
    const TwRect combo = FindValueRect(demo->bar, "WeaponTypes");
    driver->Click(combo.x + combo.width / 2, combo.y + combo.height / 2);
    driver->Click(1000, 600);
    EXPECT_EQ(demo->weaponIndex, 0);
}

TEST_F(PanelInteractionTest, StepButtonsMoveByTheStep) {
    ClickPlus("Speed");
    EXPECT_EQ(demo->speed, 1.5f);
    ClickMinus("Speed");
    ClickMinus("Speed");
    EXPECT_EQ(demo->speed, 0.5f);
    ClickPlus("DeltaTime");
    EXPECT_FLOAT_EQ(demo->deltaTime, 0.023f);
    EXPECT_EQ(demo->speedWalkStart, 1.0f);
}

TEST_F(PanelInteractionTest, StepsStopAtMinAndMax) {
    ClickMinus("Speed");
    ClickMinus("Speed");
    ClickMinus("Speed");
    EXPECT_EQ(demo->speed, 0.0f);
    demo->speed = 299.75f;
    ClickPlus("Speed");
    EXPECT_EQ(demo->speed, 300.0f);
}

TEST_F(PanelInteractionTest, TypedNumbersAreTakenAndClampedIntoRange) {
    TypeInto("Speed", "42.25");
    EXPECT_EQ(demo->speed, 42.25f);
    TypeInto("Speed", "500");
    EXPECT_EQ(demo->speed, 300.0f);
    TypeInto("DeltaTime", "-3");
    EXPECT_EQ(demo->deltaTime, 0.0f);
}

TEST_F(PanelInteractionTest, AFloatWithoutLimitsTakesAnyTypedValue) {
    TwBar* free = TwNewBar("Free");
    float unbounded = 0.0f;
    ASSERT_EQ(TwAddVarRW(free, "unbounded", TW_TYPE_FLOAT, &unbounded, nullptr), 1);
    driver->Frames(2);
    const TwRect field = FindValueRect(free, "unbounded");
    driver->Click(field.x + 20, field.y + field.height / 2);
    driver->Type("-12345.5");
    driver->PressKey(SDL_SCANCODE_RETURN);
    EXPECT_EQ(unbounded, -12345.5f);
}

}  // namespace
}  // namespace TweakBarTest
