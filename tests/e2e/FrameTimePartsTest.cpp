// The measuring tool's own arithmetic, checked against values worked out by hand: the median, the
// memory figures and slope that judge a soak, and the character's soundness after a long run.
#include <cmath>

#include <gtest/gtest.h>

#include "CharacterHealth.h"
#include "FrameSamples.h"
#include "ProcessMemory.h"
#include "character/PathCharacter.h"

namespace {

// Property: the median is the middle of the sorted samples (the mean of the two middle ones, 0 for
// none); samples beyond the reserved room are dropped rather than growing the store mid-run.
TEST(FrameSamples, MedianOfTheKeptSamples) {
    FrameTime::FrameSamples odd(8), even(8), none(4), full(3);
    for (double ms : {9, 1, 5, 7, 3}) odd.Add(ms);
    for (double ms : {40, 10, 30, 20}) even.Add(ms);
    for (double ms : {1, 2, 3, 100, 200}) full.Add(ms);
    EXPECT_DOUBLE_EQ(odd.Median(), 5.0);
    EXPECT_DOUBLE_EQ(even.Median(), 25.0);
    EXPECT_DOUBLE_EQ(none.Median(), 0.0);
    EXPECT_EQ(full.Count(), 3u);
    EXPECT_DOUBLE_EQ(full.Median(), 2.0);
}

// Property: VmRSS and VmHWM are read from their own lines, in kB, and given in MiB (missing ones are
// 0). The least-squares slope per 1,000 frames of samples 100 frames apart: 0.02 MiB per sample reads
// 0.2; with offsets o = i - 9.5 (sum of o^2 = 665), a 1 MiB step halfway reads 10 * 50 / 665. The
// leak rises in every step, the one-off step in one of 19.
TEST(ProcessMemory, ResidentFiguresAndTheirLeastSquaresSlopePer1000Frames) {
    const auto memory = FrameTime::ParseMemoryStatus("Name:\tvantor\nVmPeak:\t 999999 kB\nVmHWM:\t 153600 kB\n"
                                                     "VmRSS:\t 102400 kB\nRssAnon:\t 51200 kB\n");
    EXPECT_DOUBLE_EQ(memory.residentMiB, 100.0);
    EXPECT_DOUBLE_EQ(memory.peakResidentMiB, 150.0);
    EXPECT_DOUBLE_EQ(FrameTime::ParseMemoryStatus("VmPeak:\t 1 kB\n").residentMiB, 0.0);
    const auto self = FrameTime::ReadMemoryStatus();
    EXPECT_TRUE(self.residentMiB > 0.0 && self.residentMiB <= self.peakResidentMiB);

    std::vector<double> leak, step;
    for (int i = 0; i < 20; ++i) {
        leak.push_back(100.0 + 0.02 * i);
        step.push_back(i < 10 ? 100.0 : 101.0);
    }
    EXPECT_NEAR(FrameTime::ResidentSlopePer1000Frames(leak, 100), 0.2, 1e-9);
    EXPECT_NEAR(FrameTime::ResidentSlopePer1000Frames(step, 100), 500.0 / 665.0, 1e-9);
    EXPECT_EQ(FrameTime::ResidentSlopePer1000Frames({5.0}, 100), 0.0);
    EXPECT_EQ(FrameTime::ShareOfRisingSteps(leak), 1.0);
    EXPECT_NEAR(FrameTime::ShareOfRisingSteps(step), 1.0 / 19.0, 1e-12);
}

// Property: the distance to the path is measured in the ground plane (the point's height does not
// count) to the nearest segment, its ends included. A finite pose on the path, facing within 60
// degrees of its step, passes; each kind of fault is named.
TEST(CharacterHealth, DistanceToThePathAndEachFaultNamed) {
    const std::vector<Math::Vector3> samples = {{0, 0, 0}, {10, 0, 0}, {10, 0, 10}};
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({5, 0, 3}, samples), 3.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({13, 7, 4}, samples), 3.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({-3, 0, -4}, samples), 5.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({3, 0, 4}, {{0, 0, 0}}), 5.0f);
    EXPECT_TRUE(std::isinf(FrameTime::DistanceToPolyline({0, 0, 0}, {})));

    const std::pair<void (*)(PathCharacter&), const char*> cases[] = {  // how it is spoilt, the fault named
        {[](PathCharacter&) {}, ""},
        {[](PathCharacter& c) { c.forward = Math::Vector3(0.55f, 0.0f, 0.8f); }, ""},  // 55.5 degrees off
        {[](PathCharacter& c) { c.forward = Math::Vector3(0.45f, 0.0f, 0.8f); }, "degrees away from the path step 1"},
        {[](PathCharacter& c) { c.segment = 2, c.forward = Math::Vector3(0, 0, -1); }, "180 degrees"},
        {[](PathCharacter& c) { c.skinningMatrices[17][5] = std::nanf(""); }, "skinning matrices: entry 17"},
        {[](PathCharacter& c) { c.localPoses[3].rotation.s = INFINITY; }, "local poses: entry 3"},
        {[](PathCharacter& c) { c.boneTransforms.clear(); }, "bone matrices: empty"},
        {[](PathCharacter& c) { c.position = Math::Vector3(50.0f, 0.0f, 1.0f); }, "from the path"},
        {[](PathCharacter& c) { c.position = Math::Vector3(50.0f, 2.0f, 0.0f); }, "off the ground"},
        {[](PathCharacter& c) { c.position.x = std::nanf(""); }, "not finite"},
    };
    for (const auto& [spoil, named] : cases) {
        PathCharacter character;
        character.curvePoints = {{0, 0, 0}, {100, 0, 0}, {100, 0, 100}};
        character.position = Math::Vector3(50.0f, 0.0f, 0.01f);
        character.segment = 1;
        character.forward = Math::Vector3(0.9f, 0.0f, 0.1f);
        character.skinningMatrices.resize(40);
        character.boneTransforms.resize(40);
        character.localPoses.resize(40);
        spoil(character);
        const std::string faults = FrameTime::FindCharacterFaults(character, 0.05f);
        EXPECT_TRUE(*named ? faults.find(named) != std::string::npos : faults.empty())
            << "expected \"" << named << "\", found: " << faults;
    }
}

}  // namespace
