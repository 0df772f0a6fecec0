// The measuring tool's own arithmetic, checked against values worked out by hand: the median it
// reports, the memory figures it reads from the kernel's status text, and the soundness checks it
// applies to the character after a long run.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "CharacterHealth.h"
#include "FrameSamples.h"
#include "ProcessMemory.h"
#include "character/PathCharacter.h"

namespace {

using FrameTime::FrameSamples;

// Property: the median is the middle of the sorted samples, whatever order they came in.
TEST(FrameSamples, MedianIsTheMiddleOfTheSortedSamples) {
    FrameSamples odd(8);
    for (double ms : {9.0, 1.0, 5.0, 7.0, 3.0}) {
        odd.Add(ms);
    }
    EXPECT_DOUBLE_EQ(odd.Median(), 5.0);

    FrameSamples even(8);
    for (double ms : {40.0, 10.0, 30.0, 20.0}) {
        even.Add(ms);
    }
    EXPECT_DOUBLE_EQ(even.Median(), 25.0);

    EXPECT_DOUBLE_EQ(FrameSamples(4).Median(), 0.0);
}

// Property: samples beyond the reserved room are dropped rather than growing the store mid-run.
TEST(FrameSamples, KeepsNoMoreThanItsCapacity) {
    FrameSamples samples(3);
    for (double ms : {1.0, 2.0, 3.0, 100.0, 200.0}) {
        samples.Add(ms);
    }
    EXPECT_EQ(samples.Count(), 3u);
    EXPECT_DOUBLE_EQ(samples.Median(), 2.0);
}

// Property: VmRSS and VmHWM are read from their own lines, in kB, and given in MiB.
TEST(ProcessMemory, ReadsResidentAndPeakFromTheirLines) {
    const char* status =
        "Name:\tvantor\n"
        "VmPeak:\t  999999 kB\n"
        "VmHWM:\t  153600 kB\n"
        "VmRSS:\t  102400 kB\n"
        "RssAnon:\t   51200 kB\n";
    const FrameTime::MemoryStatus memory = FrameTime::ParseMemoryStatus(status);
    EXPECT_DOUBLE_EQ(memory.residentMiB, 100.0);
    EXPECT_DOUBLE_EQ(memory.peakResidentMiB, 150.0);

    const FrameTime::MemoryStatus none = FrameTime::ParseMemoryStatus("Name:\tx\nVmPeak:\t 1 kB\n");
    EXPECT_DOUBLE_EQ(none.residentMiB, 0.0);
    EXPECT_DOUBLE_EQ(none.peakResidentMiB, 0.0);
}

TEST(ProcessMemory, ThisProcessHasAResidentSetNoLargerThanItsPeak) {
    const FrameTime::MemoryStatus memory = FrameTime::ReadMemoryStatus();
    EXPECT_GT(memory.residentMiB, 0.0);
    EXPECT_LE(memory.residentMiB, memory.peakResidentMiB);
}

// Property: the distance to the path is measured in the ground plane to the nearest segment,
// including its ends; the height of the point does not count.
TEST(CharacterHealth, DistanceToPolylineIsToTheNearestSegment) {
    const std::vector<Math::Vector3> samples = {{0, 0, 0}, {10, 0, 0}, {10, 0, 10}};
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({5, 0, 3}, samples), 3.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({13, 7, 4}, samples), 3.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({-3, 0, -4}, samples), 5.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({10, 0, 5}, samples), 0.0f);
    EXPECT_FLOAT_EQ(FrameTime::DistanceToPolyline({3, 0, 4}, {{0, 0, 0}}), 5.0f);
    EXPECT_TRUE(std::isinf(FrameTime::DistanceToPolyline({0, 0, 0}, {})));
}

class CharacterHealthTest : public ::testing::Test {
protected:
    CharacterHealthTest() {
        character.curvePoints = {{0, 0, 0}, {100, 0, 0}, {100, 0, 100}};
        character.position = Math::Vector3(50.0f, 0.0f, 0.01f);
        character.segment = 1;
        character.forward = Math::Vector3(0.9f, 0.0f, 0.1f);
        character.skinningMatrices.resize(40);
        character.boneTransforms.resize(40);
        character.localPoses.resize(40);
    }
    PathCharacter character;
};

// Property: a finite pose on the path passes; each kind of fault is named.
TEST_F(CharacterHealthTest, SoundCharacterHasNoFaults) {
    EXPECT_EQ(FrameTime::FindCharacterFaults(character, 0.05f), "");
}

TEST_F(CharacterHealthTest, NonFiniteMatrixEntryIsReportedWithItsIndex) {
    character.skinningMatrices[17][5] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("skinning matrices: entry 17"), std::string::npos);
}

TEST_F(CharacterHealthTest, NonFiniteLocalPoseIsReported) {
    character.localPoses[3].rotation.s = std::numeric_limits<float>::infinity();
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("local poses: entry 3"), std::string::npos);
}

TEST_F(CharacterHealthTest, MissingPoseIsReported) {
    character.boneTransforms.clear();
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("bone matrices: empty"), std::string::npos);
}

TEST_F(CharacterHealthTest, CharacterOffThePathOrOffTheGroundIsReported) {
    character.position = Math::Vector3(50.0f, 0.0f, 1.0f);
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("from the path"), std::string::npos);
    character.position = Math::Vector3(50.0f, 2.0f, 0.0f);
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("off the ground"), std::string::npos);
    character.position = Math::Vector3(std::nanf(""), 0.0f, 0.0f);
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("not finite"), std::string::npos);
}

// Property: the character must face along the step it is on; within 60 degrees passes.
TEST_F(CharacterHealthTest, HeadingAwayFromThePathStepIsReported) {
    character.forward = Math::Vector3(0.55f, 0.0f, 0.8f);  // 55.5 degrees off the step along +x
    EXPECT_EQ(FrameTime::FindCharacterFaults(character, 0.05f), "");
    character.forward = Math::Vector3(0.45f, 0.0f, 0.8f);  // 60.6 degrees off
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("degrees away from the path step 1"),
              std::string::npos);
    character.segment = 2;
    character.forward = Math::Vector3(0.0f, 0.0f, -1.0f);  // backwards along the step towards +z
    EXPECT_NE(FrameTime::FindCharacterFaults(character, 0.05f).find("180 degrees"), std::string::npos);
}

}  // namespace
