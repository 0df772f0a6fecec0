// Definition strings of float entries: every well-formed string gives exactly the limits it
// spells out, whatever the order and spacing; anything malformed refuses the whole entry and says
// why.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

class DefinitionStringTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        bar = TwNewBar("Limits");
        ASSERT_NE(bar, nullptr);
    }
    // The limits the bar reports for a float added with `def`; fails the test if it is refused.
    TwVarInfo AddAndRead(const char* def) {
        const bool added = TwAddVarRW(bar, "value", TW_TYPE_FLOAT, &value, def) == 1;
        EXPECT_TRUE(added) << TwGetLastError();
        const std::vector<TwVarInfo> vars = TwGetBarVars(bar);
        return vars.empty() ? TwVarInfo{} : vars.back();
    }

    TwBar* bar = nullptr;
    float value = 1.0f;
};

TEST_F(DefinitionStringTest, TheCharactersWalkingSpeedDefinitionGivesItsThreeLimits) {
    const TwVarInfo info = AddAndRead("min = 0 max = 300 step = 0.5");
    EXPECT_TRUE(info.hasMin && info.hasMax && info.hasStep);
    EXPECT_EQ(info.min, 0.0f);
    EXPECT_EQ(info.max, 300.0f);
    EXPECT_EQ(info.step, 0.5f);
}

TEST_F(DefinitionStringTest, KeysMayComeInAnyOrderWithoutSpacesAroundTheEquals) {
    const TwVarInfo info = AddAndRead("step=0.016 max=1 min=0");
    EXPECT_EQ(info.min, 0.0f);
    EXPECT_EQ(info.max, 1.0f);
    EXPECT_EQ(info.step, 0.016f);
}

TEST_F(DefinitionStringTest, AnyWhiteSpaceSeparatesAndSignedAndExponentNumbersAreRead) {
    const TwVarInfo info = AddAndRead("\tmin =\n-2.5   max=  +4e1  ");
    EXPECT_EQ(info.min, -2.5f);
    EXPECT_EQ(info.max, 40.0f);
    EXPECT_FALSE(info.hasStep);
}

TEST_F(DefinitionStringTest, OnlyTheKeysGivenAreSet) {
    const TwVarInfo info = AddAndRead("max = 10");
    EXPECT_FALSE(info.hasMin);
    EXPECT_TRUE(info.hasMax);
    EXPECT_FALSE(info.hasStep);
}

TEST_F(DefinitionStringTest, EqualMinAndMaxPinTheValue) {
    const TwVarInfo info = AddAndRead("min = 2 max = 2");
    EXPECT_EQ(info.min, 2.0f);
    EXPECT_EQ(info.max, 2.0f);
}

TEST_F(DefinitionStringTest, NullEmptyAndBlankDefinitionsMeanNoLimits) {
    float a = 0, b = 0, c = 0;
    ASSERT_EQ(TwAddVarRW(bar, "null", TW_TYPE_FLOAT, &a, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "empty", TW_TYPE_FLOAT, &b, ""), 1);
    ASSERT_EQ(TwAddVarRW(bar, "blank", TW_TYPE_FLOAT, &c, " \t "), 1);
    for (const TwVarInfo& info : TwGetBarVars(bar)) {
        EXPECT_FALSE(info.hasMin || info.hasMax || info.hasStep) << info.name;
    }
}

struct Malformed {
    const char* definition;
    const char* reason;  // a piece of the message that says what is wrong
};

void PrintTo(const Malformed& malformed, std::ostream* out) { *out << '"' << malformed.definition << '"'; }

class MalformedDefinitionTest : public DefinitionStringTest, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedDefinitionTest, RefusesTheEntryAndSaysWhy) {
    EXPECT_EQ(TwAddVarRW(bar, "value", TW_TYPE_FLOAT, &value, GetParam().definition), 0);
    EXPECT_TRUE(TwGetBarVars(bar).empty());
    const std::string message = TwGetLastError();
    EXPECT_NE(message.find("\"value\""), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    EXPECT_EQ(value, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDefinitionTest,
    ::testing::Values(Malformed{"speed = 3", "unknown key 'speed'"}, Malformed{"Min = 3", "unknown key 'Min'"},
                      Malformed{"min 0", "expected '=' after 'min'"}, Malformed{"max", "expected '=' after 'max'"},
                      Malformed{"min =", "missing value for 'min'"}, Malformed{"min = abc", "'abc' is not a number"},
                      Malformed{"min = 1.5x", "'1.5x' is not a number"}, Malformed{"min=0max=1", "'0max=1' is not"},
                      Malformed{"max = inf", "'inf' is not a number"}, Malformed{"min = nan", "'nan' is not a number"},
                      Malformed{"= 4", "unexpected '='"}, Malformed{"min = 5 max = 1", "greater than max"},
                      Malformed{"step = 0", "step must be greater than 0"},
                      Malformed{"step = -0.5", "step must be greater than 0"},
                      Malformed{"min = 1 min = 2", "'min' is given twice"}));

TEST_F(DefinitionStringTest, ARefusedEntryPrintsOneLineNamingIt) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &value, "min = 0 max = 300 stepp = 0.5"), 0);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find("Speed"), std::string::npos) << printed;
    EXPECT_NE(printed.find("'stepp'"), std::string::npos) << printed;
}

TEST_F(DefinitionStringTest, LimitsBelongToFloatsSoAnEnumWithLimitsIsRefused) {
    const TwEnumVal values[] = {{0, "Off"}, {1, "On"}};
    const TwType type = TwDefineEnum("Switch", values, 2);
    int state = 0;
    EXPECT_EQ(TwAddVarRW(bar, "state", type, &state, "max = 1"), 0);
    EXPECT_NE(std::string(TwGetLastError()).find("float entries only"), std::string::npos);
    EXPECT_EQ(TwAddVarRW(bar, "state", type, &state, "  "), 1);
}

}  // namespace
}  // namespace TweakBarTest
