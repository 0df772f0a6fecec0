// Bars hold their entries in the order added and refuse what they cannot show; the query view
// reports exactly what was bound; enums keep their own copies of the labels.
#include <gtest/gtest.h>

#include <cstring>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using BarsAndEnumsTest = LibraryTest;

TEST_F(BarsAndEnumsTest, TheQueryListsTheDemoEntriesInOrderWithTheirBindings) {
    DemoBar demo;
    ASSERT_EQ(TwGetBarByName("Tovrin_Stage1"), demo.bar);
    const std::vector<TwVarInfo> vars = TwGetBarVars(demo.bar);
    ASSERT_EQ(vars.size(), 5u);
    const char* names[] = {"AnimationClips", "WeaponTypes", "DeltaTime", "Speed", "Speed_Walk_Start"};
    const void* bound[] = {&demo.clipIndex, &demo.weaponIndex, &demo.deltaTime, &demo.speed, &demo.speedWalkStart};
    const TwType types[] = {demo.clipType, demo.weaponType, TW_TYPE_FLOAT, TW_TYPE_FLOAT, TW_TYPE_FLOAT};
    for (size_t i = 0; i < vars.size(); ++i) {
        EXPECT_EQ(vars[i].name, names[i]);
        EXPECT_EQ(vars[i].var, bound[i]) << names[i];
        EXPECT_EQ(vars[i].type, types[i]) << names[i];
    }
    EXPECT_STREQ(TwGetEnumLabel(demo.clipType, demo.clipIndex), "Walk");
    EXPECT_STREQ(TwGetEnumLabel(demo.weaponType, demo.weaponIndex), "Sword");
    EXPECT_EQ(TwGetEnumLabel(demo.weaponType, 4), nullptr);
}

TEST_F(BarsAndEnumsTest, WhatABarCannotShowIsRefusedAndLeavesItAsItWas) {
    DemoBar demo;
    float other = 0;
    EXPECT_EQ(TwNewBar("Tovrin_Stage1"), nullptr);
    EXPECT_TRUE(LastErrorMentions("already exists"));
    EXPECT_EQ(TwNewBar(""), nullptr);
    EXPECT_EQ(TwAddVarRW(demo.bar, "Speed", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("already has an entry"));
    EXPECT_EQ(TwAddVarRW(demo.bar, "Double", static_cast<TwType>(13), &other, nullptr), 0);
    EXPECT_TRUE(LastErrorMentions("type 13"));
    EXPECT_EQ(TwAddVarRW(demo.bar, "Undefined", TW_TYPE_UNDEF, &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "NoSuchEnum", static_cast<TwType>(TW_TYPE_ENUM_BASE + 7), &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "Nothing", TW_TYPE_FLOAT, nullptr, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(nullptr, "Orphan", TW_TYPE_FLOAT, &other, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(demo.bar, "Ranged", demo.clipType, &demo.clipIndex, "max = 3"), 0);
    EXPECT_TRUE(LastErrorMentions("float entries only"));
    const TwEnumVal unlabelled[] = {{0, "A"}, {1, nullptr}};
    EXPECT_EQ(TwDefineEnum("Unlabelled", unlabelled, 2), TW_TYPE_UNDEF);
    EXPECT_TRUE(LastErrorMentions("value 1 has no label"));
    EXPECT_EQ(TwDefineEnum("Empty", unlabelled, 0), TW_TYPE_UNDEF);
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
    EXPECT_EQ(TwAddVarRW(doomed, "late", TW_TYPE_FLOAT, &value, nullptr), 0);
    EXPECT_EQ(TwDeleteBar(doomed), 0);
    EXPECT_TRUE(LastErrorMentions("not a live bar"));
}

TEST_F(BarsAndEnumsTest, EnumsCopyTheirLabelsAndARedefinitionReplacesThemUnderTheSameType) {
    char label[] = "Low";
    const TwEnumVal first[] = {{0, label}, {1, "High"}};
    const TwEnumVal second[] = {{0, "Off"}, {1, "On"}, {2, "Auto"}};
    const TwType type = TwDefineEnum("Mode", first, 2);
    const TwType otherType = TwDefineEnum("Other", first, 2);
    std::strcpy(label, "XXX");
    EXPECT_STREQ(TwGetEnumLabel(type, 0), "Low");
    EXPECT_NE(type, otherType);
    EXPECT_EQ(TwDefineEnum("Mode", second, 3), type);
    EXPECT_STREQ(TwGetEnumLabel(type, 2), "Auto");
    EXPECT_STREQ(TwGetEnumLabel(otherType, 0), "Low");
}

}  // namespace
}  // namespace TweakBarTest
