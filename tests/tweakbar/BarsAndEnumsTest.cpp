// Bars hold their entries in the order added and refuse what they cannot show; the query view
// reports exactly what was bound; enums keep their own copies of the labels.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using BarsAndEnumsTest = LibraryTest;

bool LastErrorMentions(const char* text) { return std::string(TwGetLastError()).find(text) != std::string::npos; }

TEST_F(BarsAndEnumsTest, TheQueryListsTheDemoEntriesInOrderWithTheirBindings) {
    DemoBar demo;
    ASSERT_EQ(TwGetBarByName("Tovrin_Stage1"), demo.bar);
    const std::vector<TwVarInfo> vars = TwGetBarVars(demo.bar);
    ASSERT_EQ(vars.size(), 5u);
    EXPECT_EQ(vars[0].name, "AnimationClips");
    EXPECT_EQ(vars[0].type, demo.clipType);
    EXPECT_EQ(vars[0].var, &demo.clipIndex);
    EXPECT_EQ(vars[1].name, "WeaponTypes");
    EXPECT_EQ(vars[1].var, &demo.weaponIndex);
    EXPECT_EQ(vars[2].name, "DeltaTime");
    EXPECT_EQ(vars[2].type, TW_TYPE_FLOAT);
    EXPECT_EQ(vars[2].var, &demo.deltaTime);
    EXPECT_EQ(vars[2].step, 0.016f);
    EXPECT_EQ(vars[3].name, "Speed");
    EXPECT_EQ(vars[4].name, "Speed_Walk_Start");
    EXPECT_EQ(vars[4].max, 300.0f);
    EXPECT_STREQ(TwGetEnumLabel(demo.clipType, demo.clipIndex), "Walk");
    EXPECT_STREQ(TwGetEnumLabel(demo.weaponType, demo.weaponIndex), "Sword");
    EXPECT_EQ(TwGetEnumLabel(demo.weaponType, 4), nullptr);
}

TEST_F(BarsAndEnumsTest, TheWindowSizeGivenIsReportedBack) {
    ASSERT_EQ(TwWindowSize(1400, 800), 1);
    int width = 0, height = 0;
    TwGetWindowSize(&width, &height);
    EXPECT_EQ(width, 1400);
    EXPECT_EQ(height, 800);
}

TEST_F(BarsAndEnumsTest, BarNamesAreRequiredAndUnique) {
    TwBar* first = TwNewBar("Tools");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(TwNewBar("Tools"), nullptr);
    EXPECT_TRUE(LastErrorMentions("already exists"));
    EXPECT_EQ(TwNewBar(""), nullptr);
    EXPECT_EQ(TwNewBar(nullptr), nullptr);
    EXPECT_EQ(TwGetBarByName("Tools"), first);
}

TEST_F(BarsAndEnumsTest, EntriesThatCannotBeShownAreRefusedAndLeaveTheBarAsItWas) {
    DemoBar demo;
    float other = 0;
    EXPECT_EQ(TwAddVarRW(demo.bar, "Speed", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("already has an entry"));
    EXPECT_EQ(TwAddVarRW(demo.bar, "Double", static_cast<TwType>(13), &other, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("type 13"));
    EXPECT_EQ(TwAddVarRW(demo.bar, "Undef", TW_TYPE_UNDEF, &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "NoSuchEnum", static_cast<TwType>(TW_TYPE_ENUM_BASE + 7), &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "Nothing", TW_TYPE_FLOAT, nullptr, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("no variable"));
    EXPECT_EQ(TwAddVarRW(demo.bar, "", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(nullptr, "Orphan", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("not a live bar"));
    EXPECT_EQ(TwGetBarVars(demo.bar).size(), 5u);
}

TEST_F(BarsAndEnumsTest, DeletingABarRemovesOnlyItAndItsPointerIsRefusedAfterwards) {
    TwBar* doomed = TwNewBar("Doomed");
    TwBar* kept = TwNewBar("Kept");
    float value = 0;
    ASSERT_EQ(TwAddVarRW(kept, "value", TW_TYPE_FLOAT, &value, nullptr), 1);
    ASSERT_EQ(TwDeleteBar(doomed), 1);
    EXPECT_EQ(TwGetBarByName("Doomed"), nullptr);
    EXPECT_EQ(TwGetBarByName("Kept"), kept);
    EXPECT_EQ(TwGetBarVars(kept).size(), 1u);
    EXPECT_TRUE(TwGetBarVars(doomed).empty());
    EXPECT_EQ(TwAddVarRW(doomed, "late", TW_TYPE_FLOAT, &value, nullptr), 0);
    EXPECT_EQ(TwDeleteBar(doomed), 0);
    EXPECT_TRUE(LastErrorMentions("not a live bar"));
}

TEST_F(BarsAndEnumsTest, EnumLabelsAreCopiedAtDefinition) {
    char label[] = "Sword";
    const TwEnumVal values[] = {{7, label}};
    const TwType type = TwDefineEnum("Copied", values, 1);
    std::strcpy(label, "XXXXX");
    EXPECT_STREQ(TwGetEnumLabel(type, 7), "Sword");
}

TEST_F(BarsAndEnumsTest, RedefiningAnEnumKeepsItsTypeAndReplacesItsLabels) {
    const TwEnumVal first[] = {{0, "Low"}, {1, "High"}};
    const TwEnumVal second[] = {{0, "Off"}, {1, "On"}, {2, "Auto"}};
    const TwType type = TwDefineEnum("Mode", first, 2);
    const TwType otherType = TwDefineEnum("Other", first, 2);
    EXPECT_NE(type, otherType);
    EXPECT_EQ(TwDefineEnum("Mode", second, 3), type);
    EXPECT_STREQ(TwGetEnumLabel(type, 2), "Auto");
    EXPECT_STREQ(TwGetEnumLabel(otherType, 1), "High");
}

TEST_F(BarsAndEnumsTest, MalformedEnumsAreRefused) {
    const TwEnumVal unlabelled[] = {{0, "A"}, {1, nullptr}};
    EXPECT_EQ(TwDefineEnum("Unlabelled", unlabelled, 2), TW_TYPE_UNDEF);
    EXPECT_TRUE(LastErrorMentions("value 1 has no label"));
    EXPECT_EQ(TwDefineEnum("Empty", unlabelled, 0), TW_TYPE_UNDEF);
    EXPECT_EQ(TwDefineEnum("NoValues", nullptr, 3), TW_TYPE_UNDEF);
    EXPECT_EQ(TwDefineEnum(nullptr, unlabelled, 1), TW_TYPE_UNDEF);
}

}  // namespace
}  // namespace TweakBarTest
