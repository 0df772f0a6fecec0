// Definition strings of float entries: a well-formed string gives exactly the limits it spells
// out, in any order and spacing; anything malformed refuses the whole entry and says why in one line.
#include "TweakBarTestSupport.h"

namespace TweakBarTest {
namespace {

using DefinitionString = LibraryTest;

TEST_F(DefinitionString, WellFormedInAnyOrderGivesExactlyTheLimitsSpelledOut) {
    struct {
        const char* text;
        bool hasMin, hasMax, hasStep;
        float min, max, step;
    } const cases[] = {{"min = 0 max = 300 step = 0.5", true, true, true, 0, 300, 0.5f},
                          {"step=0.016 max=1 min=0", true, true, true, 0, 1, 0.016f},
                          {"\tmin =\n-2.5   max=  +4e1 ", true, true, false, -2.5f, 40, 0},
                          {nullptr, false, false, false, 0, 0, 0}};
    TwBar* bar = TwNewBar("Limits");
    float value = 1.0f;
    for (const auto& want : cases) {
        const std::string name = "v" + std::to_string(&want - cases);
        ASSERT_EQ(TwAddVarRW(bar, name.c_str(), TW_TYPE_FLOAT, &value, want.text), 1) << TwGetLastError();
        const TwVarInfo got = TwGetBarVars(bar).back();
        EXPECT_EQ(std::make_tuple(got.hasMin, got.hasMax, got.hasStep, got.min, got.max, got.step),
                  std::make_tuple(want.hasMin, want.hasMax, want.hasStep, want.min, want.max, want.step))
            << (want.text ? want.text : "(null)");
    }
}

TEST_F(DefinitionString, MalformedIsRefusedWithOneLineNamingEntryAndFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"min = 0 stepp = 0.5", "unknown key 'stepp'"}, {"min 0", "expected '=' after 'min'"},
        {"min =", "missing value for 'min'"},           {"min = 1.5x", "'1.5x' is not a number"},
        {"max = inf", "'inf' is not a number"},         {"min = 5 max = 1", "min 5 is greater than max 1"},
        {"step = 0", "step must be greater than 0"},    {"min = 1 min = 2", "given twice"}};
    TwBar* bar = TwNewBar("Limits");
    float value = 1.0f;
    for (const auto& [text, reason] : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &value, text), 0) << text;
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        EXPECT_NE(printed.find("\"Speed\""), std::string::npos) << printed;
        EXPECT_NE(printed.find(reason), std::string::npos) << printed;
    }
    // Entries the panel cannot show are refused too.
    EXPECT_EQ(TwAddVarRW(bar, "Double", static_cast<TwType>(13), &value, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(bar, "Nothing", TW_TYPE_FLOAT, nullptr, nullptr), 0);
    EXPECT_TRUE(TwGetBarVars(bar).empty());
}

}  // namespace
}  // namespace TweakBarTest
