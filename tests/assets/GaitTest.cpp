// Walk and Run as the demo plays them: the clip clock advances 0.007 per frame (restarting at 0
// once it passes the end) while the body travels 1 / 0.3 model units per frame along +z. A foot
// on the ground must then stay put in the ground's frame, and the cycles must loop cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

using Math::Vector3;

// The demo's clock for one clip state at speed factor 1.
std::vector<float> DemoClipTimes(float duration, int frames) {
    std::vector<float> times;
    float time = 0.0f;
    for (int frame = 0; frame < frames; ++frame) {
        times.push_back(time);
        time += kClipStepPerFrame;
        if (time > duration) {
            time = 0.0f;
        }
    }
    return times;
}

int FramesFor(float duration, float cycles) { return static_cast<int>(std::ceil(cycles * duration / kClipStepPerFrame)); }

float Horizontal(const Vector3& a, const Vector3& b) { return std::hypot(a.x - b.x, a.z - b.z); }

// The ball of one foot over the frames, in the ground's frame (the body's travel added back).
std::vector<Vector3> BallOnGround(const std::string& clip, int toeBone, const std::vector<float>& times) {
    std::vector<Vector3> path;
    for (size_t frame = 0; frame < times.size(); ++frame) {
        const Vector3 ball = Translation(SamplePose(clip, times[frame]).bones.at(toeBone));
        path.push_back(ball + Vector3(0.0f, 0.0f, kTravelPerFrame * static_cast<float>(frame)));
    }
    return path;
}

// Largest horizontal wander of the ball during any one stance: consecutive frames where the ball
// rests on its lowest level (within a quarter unit) form a stance; its drift is the largest
// distance between two of its positions.
float WorstStanceDrift(const std::vector<Vector3>& ball, int& stances) {
    float lowest = ball.front().y;
    for (const Vector3& p : ball) lowest = std::min(lowest, p.y);
    float worst = 0.0f;
    stances = 0;
    for (size_t i = 0; i < ball.size();) {
        if (ball[i].y > lowest + 0.25f) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < ball.size() && ball[end].y <= lowest + 0.25f) ++end;
        for (size_t a = i; a < end; ++a)
            for (size_t b = a + 1; b < end; ++b) worst = std::max(worst, Horizontal(ball[a], ball[b]));
        ++stances;
        i = end;
    }
    return worst;
}

class GaitTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        skeleton = LoadSkeleton();
        duration = ClipDuration(GetParam());
        ASSERT_GT(duration, 0.0f);
    }
    int Bone(const char* name) const {
        const int index = BoneIndex(skeleton, name);
        EXPECT_GE(index, 0) << name;
        return std::max(index, 0);
    }
    Assets::SkeletonData skeleton;
    float duration = 0.0f;
};

// The stride matches the travel: a planted foot may wander at most 1 world unit (1 / 0.3 model
// units) per step at the demo's default rates.
TEST_P(GaitTest, PlantedFootStaysWithinOneWorldUnitPerStep) {
    const std::vector<float> times = DemoClipTimes(duration, FramesFor(duration, 3.0f));
    for (const char* toe : {"LeftToe", "RightToe"}) {
        int stances = 0;
        const float drift = WorstStanceDrift(BallOnGround(GetParam(), Bone(toe), times), stances);
        std::printf("[ measured ] %s, %s: worst planted-foot drift %.3f model units = %.3f world units per step "
                    "(%d stances)\n",
                    GetParam(), toe, static_cast<double>(drift), static_cast<double>(drift * 0.3f), stances);
        EXPECT_GE(stances, 2) << toe << " never plants";
        EXPECT_LE(drift, kTravelPerFrame) << toe;
    }
}

// The cycle loops: its last pose is its first, and the restart is no bigger a change than any
// other frame-to-frame change.
TEST_P(GaitTest, CycleLoopsWithoutAJump) {
    const SampledPose first = SamplePose(GetParam(), 0.0f);
    const SampledPose last = SamplePose(GetParam(), duration);
    for (size_t bone = 0; bone < first.bones.size(); ++bone) {
        for (int k = 0; k < 16; ++k) {
            EXPECT_NEAR(first.bones[bone][k], last.bones[bone][k], 1e-3f) << "bone " << bone << " element " << k;
        }
    }

    auto change = [&](float a, float b) {
        const SampledPose pa = SamplePose(GetParam(), a), pb = SamplePose(GetParam(), b);
        float largest = 0.0f;
        for (size_t bone = 0; bone < pa.bones.size(); ++bone)
            largest = std::max(largest, Math::Length(Translation(pa.bones[bone]) - Translation(pb.bones[bone])));
        return largest;
    };
    float ordinary = 0.0f;
    for (float t = 0.0f; t + kClipStepPerFrame <= duration; t += kClipStepPerFrame)
        ordinary = std::max(ordinary, change(t, t + kClipStepPerFrame));
    const float acrossRestart = change(duration - 0.5f * kClipStepPerFrame, 0.5f * kClipStepPerFrame);
    EXPECT_LE(acrossRestart, ordinary * 1.05f);
}

// The pelvis bobs and sways but stays in place: the path moves the body, not the clip.
TEST_P(GaitTest, PelvisBobsAndSwaysInPlace) {
    const int pelvis = Bone("Pelvis");
    float lowY = 1e9f, highY = -1e9f, lowX = 1e9f, highX = -1e9f, farthestZ = 0.0f;
    for (float t = 0.0f; t <= duration; t += 0.25f * kClipStepPerFrame) {
        const Vector3 p = Translation(SamplePose(GetParam(), t).bones[pelvis]);
        lowY = std::min(lowY, p.y), highY = std::max(highY, p.y);
        lowX = std::min(lowX, p.x), highX = std::max(highX, p.x);
        farthestZ = std::max(farthestZ, std::fabs(p.z));
    }
    EXPECT_GT(highY - lowY, 2.0f) << "no bob";
    EXPECT_LT(highY - lowY, 15.0f);
    EXPECT_GT(highX - lowX, 1.0f) << "no sway";
    EXPECT_LT(farthestZ, 3.0f) << "the pelvis travels";
}

// Arms swing against the legs: each hand is forward while the foot on its side is back.
TEST_P(GaitTest, ArmsSwingAgainstTheLegs) {
    const int hand = Bone("LeftHand"), foot = Bone("LeftFoot"), pelvis = Bone("Pelvis");
    std::vector<float> handZ, footZ;
    for (float t = 0.0f; t < duration; t += kClipStepPerFrame) {
        const SampledPose pose = SamplePose(GetParam(), t);
        const float base = Translation(pose.bones[pelvis]).z;
        handZ.push_back(Translation(pose.bones[hand]).z - base);
        footZ.push_back(Translation(pose.bones[foot]).z - base);
    }
    auto mean = [](const std::vector<float>& v) {
        float sum = 0.0f;
        for (float x : v) sum += x;
        return sum / static_cast<float>(v.size());
    };
    const float mh = mean(handZ), mf = mean(footZ);
    float covariance = 0.0f, varianceHand = 0.0f, varianceFoot = 0.0f;
    for (size_t i = 0; i < handZ.size(); ++i) {
        covariance += (handZ[i] - mh) * (footZ[i] - mf);
        varianceHand += (handZ[i] - mh) * (handZ[i] - mh);
        varianceFoot += (footZ[i] - mf) * (footZ[i] - mf);
    }
    EXPECT_LT(covariance / std::sqrt(varianceHand * varianceFoot), -0.6f);
    EXPECT_GT(*std::max_element(handZ.begin(), handZ.end()) - *std::min_element(handZ.begin(), handZ.end()), 8.0f);
}

INSTANTIATE_TEST_SUITE_P(WalkAndRun, GaitTest, ::testing::Values("Walk", "Run"));

// Lowest point of each boot, from the skinned mesh, over one cycle sampled at the demo's frames.
struct FeetOverCycle {
    std::vector<float> left, right;
};

FeetOverCycle LowestBootPoints(const char* clip) {
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const Assets::MeshData mesh = LoadMesh("models/Warrior_Skeleton.mesh");
    auto side = [&](const Assets::MeshVertex& v) {
        const std::string& bone = skeleton.bones.at(v.boneIndices[0]).name;
        if (bone == "LeftFoot" || bone == "LeftToe") return 0;
        if (bone == "RightFoot" || bone == "RightToe") return 1;
        return -1;
    };
    FeetOverCycle feet;
    const float duration = ClipDuration(clip);
    for (float t = 0.0f; t < duration; t += kClipStepPerFrame) {
        const std::vector<Vector3> skinned = SkinPositions(mesh, SamplePose(clip, t).skinning);
        float lowest[2] = {1e9f, 1e9f};
        for (size_t i = 0; i < skinned.size(); ++i) {
            const int s = side(mesh.vertices[i]);
            if (s >= 0) lowest[s] = std::min(lowest[s], skinned[i].y);
        }
        feet.left.push_back(lowest[0]);
        feet.right.push_back(lowest[1]);
    }
    return feet;
}

// Walking always has a foot on the floor, and no boot sinks into it.
TEST(GaitContactTest, WalkAlwaysKeepsAFootOnTheFloor) {
    const FeetOverCycle feet = LowestBootPoints("Walk");
    for (size_t i = 0; i < feet.left.size(); ++i) {
        EXPECT_LE(std::min(feet.left[i], feet.right[i]), 0.8f) << "frame " << i << ": both feet in the air";
        EXPECT_GE(std::min(feet.left[i], feet.right[i]), -1.0f) << "frame " << i << ": a boot sinks into the floor";
    }
}

// Running has moments with both feet in the air, and still no boot sinks into the floor.
TEST(GaitContactTest, RunHasAFlightPhase) {
    const FeetOverCycle feet = LowestBootPoints("Run");
    int airborne = 0;
    for (size_t i = 0; i < feet.left.size(); ++i) {
        airborne += std::min(feet.left[i], feet.right[i]) > 1.5f ? 1 : 0;
        EXPECT_GE(std::min(feet.left[i], feet.right[i]), -1.0f) << "frame " << i;
    }
    EXPECT_GE(airborne, 2);
}

// The run leans the trunk forward; the walk stays nearly upright.
TEST(GaitPostureTest, RunLeansFurtherForwardThanWalk) {
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const int neck = BoneIndex(skeleton, "Neck"), pelvis = BoneIndex(skeleton, "Pelvis");
    auto lean = [&](const char* clip) {
        const float duration = ClipDuration(clip);
        float sum = 0.0f;
        int count = 0;
        for (float t = 0.0f; t < duration; t += kClipStepPerFrame, ++count) {
            const SampledPose pose = SamplePose(clip, t);
            const Vector3 up = Translation(pose.bones[neck]) - Translation(pose.bones[pelvis]);
            sum += std::atan2(up.z, up.y);
        }
        return sum / static_cast<float>(count) * 57.29578f;
    };
    const float walk = lean("Walk"), run = lean("Run");
    EXPECT_GT(run, walk + 5.0f) << "walk " << walk << " deg, run " << run << " deg";
    EXPECT_LT(std::fabs(walk), 8.0f);
}

}  // namespace
}  // namespace AssetTests
