// Definition strings of float entries: a well-formed string gives exactly the limits it spells
// out, in any order and spacing; anything malformed refuses the whole entry and says why.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

struct Limits {
    bool hasMin;
    float min;
    bool hasMax;
    float max;
    bool hasStep;
    float step;
};
constexpr Limits kNoLimits{false, 0, false, 0, false, 0};

struct WellFormed {
    const char* text;
    Limits limits;
};
struct Malformed {
    const char* text;
    const char* reason;  // a piece of the message that says what is wrong
};
void PrintTo(const WellFormed& definition, std::ostream* out) {
    *out << '"' << (definition.text ? definition.text : "(null)") << '"';
}
void PrintTo(const Malformed& definition, std::ostream* out) { *out << '"' << definition.text << '"'; }

template <typename Param>
class DefinitionTest : public LibraryTest, public ::testing::WithParamInterface<Param> {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        bar = TwNewBar("Limits");
    }
    TwBar* bar = nullptr;
    float value = 1.0f;
};

using WellFormedDefinitionTest = DefinitionTest<WellFormed>;
TEST_P(WellFormedDefinitionTest, GivesExactlyTheLimitsSpelledOut) {
    ASSERT_EQ(TwAddVarRW(bar, "value", TW_TYPE_FLOAT, &value, GetParam().text), 1) << TwGetLastError();
    const TwVarInfo got = TwGetBarVars(bar).at(0);
    const Limits& want = GetParam().limits;
    EXPECT_EQ(got.hasMin, want.hasMin);
    EXPECT_EQ(got.hasMax, want.hasMax);
    EXPECT_EQ(got.hasStep, want.hasStep);
    EXPECT_EQ(got.min, want.min);
    EXPECT_EQ(got.max, want.max);
    EXPECT_EQ(got.step, want.step);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, WellFormedDefinitionTest,
    ::testing::Values(WellFormed{"min = 0 max = 300 step = 0.5", {true, 0, true, 300, true, 0.5f}},
                      WellFormed{"step=0.016 max=1 min=0", {true, 0, true, 1, true, 0.016f}},
                      WellFormed{"\tmin =\n-2.5   max=  +4e1 ", {true, -2.5f, true, 40, false, 0}},
                      WellFormed{"max = 10", {false, 0, true, 10, false, 0}},
                      WellFormed{"min = 2 max = 2", {true, 2, true, 2, false, 0}},
                      WellFormed{nullptr, kNoLimits}, WellFormed{"", kNoLimits}, WellFormed{" \t ", kNoLimits}));

using MalformedDefinitionTest = DefinitionTest<Malformed>;
TEST_P(MalformedDefinitionTest, RefusesTheEntryAndSaysWhy) {
    EXPECT_EQ(TwAddVarRW(bar, "value", TW_TYPE_FLOAT, &value, GetParam().text), 0);
    EXPECT_TRUE(TwGetBarVars(bar).empty());
    EXPECT_TRUE(LastErrorMentions("\"value\"")) << TwGetLastError();
    EXPECT_TRUE(LastErrorMentions(GetParam().reason)) << TwGetLastError();
}
INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDefinitionTest,
    ::testing::Values(Malformed{"speed = 3", "unknown key 'speed'"}, Malformed{"min 0", "expected '=' after 'min'"},
                      Malformed{"min =", "missing value for 'min'"}, Malformed{"min = 1.5x", "'1.5x' is not a number"},
                      Malformed{"min=0max=1", "'0max=1' is not"}, Malformed{"max = inf", "'inf' is not a number"},
                      Malformed{"= 4", "unexpected '='"}, Malformed{"min = 5 max = 1", "min 5 is greater than max 1"},
                      Malformed{"step = 0", "step must be greater than 0"}, Malformed{"min = 1 min = 2", "given twice"}));

using DefinitionMessageTest = LibraryTest;
TEST_F(DefinitionMessageTest, ARefusedEntryPrintsOneLineNamingItAndTheFault) {
    float value = 1.0f;
    testing::internal::CaptureStderr();
    EXPECT_EQ(TwAddVarRW(TwNewBar("Limits"), "Speed", TW_TYPE_FLOAT, &value, "min = 0 stepp = 0.5"), 0);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find("\"Speed\""), std::string::npos) << printed;
    EXPECT_NE(printed.find("'stepp'"), std::string::npos) << printed;
}

}  // namespace
}  // namespace TweakBarTest
