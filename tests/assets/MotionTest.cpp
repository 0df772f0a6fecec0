// The warrior posed by the real animation runtime: every clip the app registers, the gait of the
// two the demo plays, and the weapons carried in them.
#include <tuple>
#include <vector>

#include <Animation/Registry.h>
#include <RenderInterface/Animation.h>

#include "AssetTestSupport.h"

using namespace AssetTests;
using RenderInterface::AnimationController;

namespace {

const std::string kSkeleton = Assets::kSkeletonFile.name;
// The demo's defaults: clip time per frame, and model units the body travels per frame (1 world
// unit at the player's scale of 0.3).
constexpr float kClipStepPerFrame = 0.007f, kTravelPerFrame = 1.0f / 0.3f;

// The skeleton and the clips, registered with the runtime under the app's names unless it holds
// them (destroying a renderer clears them).
void Register() {
    if (Animation::Registry::FindSkeleton(kSkeleton) && Animation::Registry::FindClip("Run")) return;
    std::string error;
    EXPECT_TRUE(Animation::Registry::AddSkeleton(kSkeleton, Load(Assets::kSkeletonFile, Assets::ReadSkeleton), error)) << error;
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        EXPECT_TRUE(Animation::Registry::AddClip(file.name, Load(file, Assets::ReadAnimation), error)) << error;
    }
}

// Model-space bone matrices and skinning matrices of the warrior in a registered clip at `time`.
struct Pose { std::vector<Math::Matrix4> bones, skinning; };
Pose Sample(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    std::vector<Math::VQS> locals;
    Pose pose;
    AnimationController::LerpBlend(kSkeleton, &state, locals);
    AnimationController::BuildTransformationMatricies(kSkeleton, locals, pose.bones, pose.skinning);
    EXPECT_FALSE(pose.bones.empty()) << clip << " could not be sampled";
    return pose;
}

}  // namespace

// Every clip the app registers: short (the demo only plays Walk and Run), every channel keyed from
// 0 to the clip's end. Skinned through the clip (every influence must name a bone the skeleton
// has), no vertex sinks below y = -1.5 (a rolling sole may touch down a little) and no triangle
// edge stretches to three times its bind length (the outside of a sharply bent elbow comes
// closest; a vertex bound to the wrong bone or a hard step in the weights tears far beyond that).
// Stand only breathes; every other clip moves some bone visibly.
TEST(EveryClip, IsKeyedToItsEndAndMovesTheBodyAboveTheFloorWithoutTearingIt) {
    Register();
    const auto mesh = Load(Assets::kPlayerMeshFile, Assets::ReadMesh);
    std::vector<std::tuple<std::uint32_t, std::uint32_t, float>> edges;  // the ends and the bind length of each
    for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t a = mesh.indices[t + k], b = mesh.indices[t + (k + 1) % 3];
            const float length = Math::Length(mesh.vertices[a].position - mesh.vertices[b].position);
            if (length > 0.3f) edges.emplace_back(a, b, length);
        }
    }
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        SCOPED_TRACE(file.name);
        const auto clip = Load(file, Assets::ReadAnimation);
        EXPECT_TRUE(clip.duration > 0.1f && clip.duration <= 1.0f) << clip.duration;
        float last = 0.0f;
        for (const Assets::BoneTrack& track : clip.tracks) {
            ASSERT_FALSE(track.translations.empty() || track.rotations.empty() || track.scales.empty());
            EXPECT_EQ(track.translations.front().time + track.rotations.front().time + track.scales.front().time, 0.0f);
            last = std::max({last, track.translations.back().time, track.rotations.back().time, track.scales.back().time});
        }
        EXPECT_EQ(last, clip.duration);
        const Pose start = Sample(file.name, 0.0f);
        float lowest = 1e9f, stretch = 0.0f, moved = 0.0f;
        for (float t = 0.0f; t <= clip.duration; t += clip.duration / 10.0f) {
            const Pose pose = Sample(file.name, t);
            std::vector<Vector3> skinned;
            for (const Assets::MeshVertex& v : mesh.vertices) {
                Vector3 sum;
                for (int k = 0; k < Assets::MaxBoneInfluences; ++k) {
                    sum += Math::TransformPoint(pose.skinning.at(v.boneIndices[k]), v.position) * v.boneWeights[k];
                }
                skinned.push_back(sum);
                lowest = std::min(lowest, sum.y);
            }
            for (const auto& [a, b, length] : edges) stretch = std::max(stretch, Math::Length(skinned[a] - skinned[b]) / length);
            for (std::size_t b = 0; b < pose.bones.size(); ++b) {
                moved = std::max(moved, Math::Length(Translation(pose.bones[b]) - Translation(start.bones[b])));
            }
        }
        EXPECT_GT(lowest, -1.5f);
        EXPECT_LT(stretch, 3.0f);
        EXPECT_GT(moved, std::string(file.name) == "Stand" ? 1.0f : 10.0f);
    }
}

// Walk and Run as the demo plays them: the clip clock advances 0.007 per frame (restarting at 0
// once it passes the end) while the body travels 1 / 0.3 model units per frame along +z. Over
// three cycles, in the ground's frame, each ball of the foot plants (a stance: a run of frames on
// its lowest level, within a quarter unit) and drifts within a stance by at most 1 world unit.
// The cycle loops: the last pose is the first, and the restart is no bigger a change than any
// other frame's.
TEST(Gait, PlantedFootStaysWithinOneWorldUnitPerStepAndTheCycleLoopsWithoutAJump) {
    Register();
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    for (const char* clip : {"Walk", "Run"}) {
        SCOPED_TRACE(clip);
        const float duration = AnimationController::GetClipDuration(clip);
        std::vector<Pose> frames;
        for (float time = 0.0f; frames.size() < std::ceil(3.0f * duration / kClipStepPerFrame);) {
            frames.push_back(Sample(clip, time));
            time = time + kClipStepPerFrame > duration ? 0.0f : time + kClipStepPerFrame;
        }
        for (const char* toe : {"LeftToe", "RightToe"}) {
            std::vector<Vector3> ball;
            for (const Pose& pose : frames) {
                ball.push_back(Translation(pose.bones.at(BoneIndex(skeleton, toe))) + Vector3(0, 0, kTravelPerFrame * ball.size()));
            }
            float lowest = 1e9f, drift = 0.0f;
            for (const Vector3& p : ball) lowest = std::min(lowest, p.y);
            int stances = 0;
            for (std::size_t i = 0, start = 0; i < ball.size(); ++i) {  // a stance runs from `start` to i
                if (ball[i].y > lowest + 0.25f) start = i + 1;
                stances += start == i;
                for (std::size_t a = start; a < i; ++a) drift = std::max(drift, std::hypot(ball[a].x - ball[i].x, ball[a].z - ball[i].z));
            }
            EXPECT_GE(stances, 2) << toe << " never plants";
            EXPECT_LE(drift, kTravelPerFrame) << toe << " slides (model units)";
        }
        const auto change = [&](float a, float b) {
            const Pose pa = Sample(clip, a), pb = Sample(clip, b);
            float largest = 0.0f;
            for (std::size_t bone = 0; bone < pa.bones.size(); ++bone) {
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
}

// Each weapon is modelled with its grip at the origin: the handle passes within a finger's thickness
// of it, and the weapon reaches well beyond. Placed as the app places them in every frame of Walk
// and Run: the sword's blade (its tip, the point farthest from the grip) points forward and up, the
// gun's muzzle ahead, and the shield's centre lies further out to the right (-x) than the forearm.
TEST(WeaponGrip, WeaponsAreHeldAtTheirGripAndCarriedNaturally) {
    Register();
    Vector3 tips[3], centres[3];  // of the sword, shield and gun (kWeaponFiles): the farthest point from the grip
    for (std::size_t w = 0; w < 3; ++w) {
        const auto mesh = Load(Assets::kWeaponFiles[w], Assets::ReadMesh);
        float nearest = 1e9f;
        for (const Assets::MeshVertex& v : mesh.vertices) {
            nearest = std::min(nearest, Math::Length(v.position));
            if (Math::Length(v.position) > Math::Length(tips[w])) tips[w] = v.position;
            centres[w] += v.position * (1.0f / float(mesh.vertices.size()));
        }
        EXPECT_TRUE(nearest < 3.0f && Math::Length(tips[w]) > 15.0f) << Assets::kWeaponFiles[w].name;
    }
    const std::size_t forearm = BoneIndex(Load(Assets::kSkeletonFile, Assets::ReadSkeleton), "RightForearm");
    const Math::Matrix4 offset = Math::Matrix4::TRS(kWeaponOffset, Math::Quaternion::identity, Vector3::one);
    for (const char* clip : {"Walk", "Run"}) {
        for (float t = 0.0f; t < AnimationController::GetClipDuration(clip); t += 0.03f) {
            const Pose pose = Sample(clip, t);
            const Math::Matrix4 placement = pose.bones.at(kWeaponBone) * offset;
            const Vector3 grip = Math::TransformPoint(placement, Vector3::zero);
            const Vector3 blade = Math::TransformPoint(placement, tips[0]) - grip, muzzle = Math::TransformPoint(placement, tips[2]) - grip;
            EXPECT_GT(Math::Length(blade), 80.0f);
            EXPECT_TRUE(blade.z > 0.25f * Math::Length(blade) && blade.y > 0.25f * Math::Length(blade)) << clip << " " << t;
            EXPECT_GT(muzzle.z, 0.8f * Math::Length(muzzle)) << clip << " " << t;
            EXPECT_LT(Math::TransformPoint(placement, centres[1]).x,
                      std::min(Translation(pose.bones.at(forearm)).x, Translation(pose.bones[kWeaponBone]).x) - 5.0f)
                << clip << " " << t;
        }
    }
}
