// Walk and Run as the demo plays them: the clip clock advances 0.007 per frame (restarting at 0 once
// it passes the end) while the body travels 1 / 0.3 model units per frame along +z. A planted foot
// must then stay put on the ground, and the cycles must loop cleanly.
#include <cstdio>

#include "AssetTestSupport.h"

using namespace AssetTests;

class Gait : public ::testing::TestWithParam<const char*> {
protected:
    const Assets::SkeletonData skeleton = LoadSkeleton();
    const float duration = ClipDuration(GetParam());
};

// The ball of each foot over three cycles of the demo's clock, in the ground's frame (the body's
// travel added back). A stance is a run of frames with the ball on its lowest level (within a
// quarter unit); its drift is the largest horizontal distance between two of its positions, and
// must stay within 1 world unit (1 / 0.3 model units) per step.
TEST_P(Gait, PlantedFootStaysWithinOneWorldUnitPerStep) {
    for (const char* toe : {"LeftToe", "RightToe"}) {
        std::vector<Vector3> ball;
        float time = 0.0f;
        for (int frame = 0; frame < static_cast<int>(std::ceil(3.0f * duration / kClipStepPerFrame)); ++frame) {
            const Vector3 local = Translation(SamplePose(GetParam(), time).bones.at(BoneIndex(skeleton, toe)));
            ball.push_back(local + Vector3(0.0f, 0.0f, kTravelPerFrame * static_cast<float>(frame)));
            time = time + kClipStepPerFrame > duration ? 0.0f : time + kClipStepPerFrame;  // the demo's restart
        }
        float lowest = 1e9f, drift = 0.0f;
        for (const Vector3& p : ball) lowest = std::min(lowest, p.y);
        int stances = 0;
        for (size_t i = 0, end = 0; i < ball.size(); i = std::max(end, i + 1)) {
            for (end = i; end < ball.size() && ball[end].y <= lowest + 0.25f; ++end) {
                for (size_t a = i; a < end; ++a) drift = std::max(drift, std::hypot(ball[a].x - ball[end].x, ball[a].z - ball[end].z));
            }
            stances += end > i;
        }
        std::printf("[ measured ] %s, %s: worst planted-foot drift %.3f model units = %.3f world units per step "
                    "(%d stances)\n", GetParam(), toe, double(drift), double(drift * 0.3f), stances);
        EXPECT_GE(stances, 2) << toe << " never plants";
        EXPECT_LE(drift, kTravelPerFrame) << toe;
    }
}

// The last pose is the first, and the restart is no bigger a change than any other frame's.
TEST_P(Gait, CycleLoopsWithoutAJump) {
    auto change = [&](float a, float b) {
        const SampledPose pa = SamplePose(GetParam(), a), pb = SamplePose(GetParam(), b);
        float largest = 0.0f;
        for (size_t bone = 0; bone < pa.bones.size(); ++bone) {
            for (int k = 0; k < 16; ++k) largest = std::max(largest, std::fabs(pa.bones[bone][k] - pb.bones[bone][k]));
        }
        return largest;
    };
    EXPECT_LT(change(0.0f, duration), 1e-3f);
    float ordinary = 0.0f;
    for (float t = 0.0f; t + kClipStepPerFrame <= duration; t += kClipStepPerFrame) {
        ordinary = std::max(ordinary, change(t, t + kClipStepPerFrame));
    }
    EXPECT_LE(change(duration - 0.5f * kClipStepPerFrame, 0.5f * kClipStepPerFrame), ordinary * 1.05f);
}

INSTANTIATE_TEST_SUITE_P(WalkAndRun, Gait, ::testing::Values("Walk", "Run"));
