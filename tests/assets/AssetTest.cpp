// The generated assets: the files the builder makes against the app's registrations, the models at rest (the
// warrior's skeleton and meshes, the floor, the grip in the warrior's hand, the day sky), and the warrior posed by
// the real animation runtime in every clip the app registers.
#include <array>
#include <filesystem>
#include <set>
#include <tuple>
#include <vector>

#include <AntTweakBar.h>
#include <Animation/Registry.h>
#include <AssetBuilder.h>
#include <Assets/ClipTime.h>
#include <RenderInterface/Animation.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>

#include "../animation/AnimationReference.h"
#include "AssetTestSupport.h"
#include "demo/AnimationDemo.h"

using namespace AssetTests;
using namespace AnimationReference;
using RenderInterface::AnimationController;
namespace fs = std::filesystem;

namespace {

const std::string kSkeleton = Assets::kSkeletonFile.name;
// The demo's defaults: clip time per frame, and model units the body travels per frame (1 world unit at scale 0.3).
constexpr float kTravelPerFrame = 1.0f / 0.3f;

// The skeleton and the clips, registered with the runtime under the app's names unless it holds them (destroying a
// renderer clears them).
void Register() {
    if (Animation::Registry::FindSkeleton(kSkeleton) && Animation::Registry::FindClip("Run")) return;
    std::string error;
    EXPECT_TRUE(Animation::Registry::AddSkeleton(kSkeleton, Load(Assets::kSkeletonFile, Assets::ReadSkeleton), error)) << error;
    for (const Assets::ResourceFile& file : Assets::kClipFiles) {
        EXPECT_TRUE(Animation::Registry::AddClip(file.name, Load(file, Assets::ReadAnimation), error)) << error;
    }
}

// Model-space bone matrices and skinning matrices of the warrior in a registered clip at `time`.
struct SampledPose { std::vector<Math::Matrix4> bones, skinning; };
SampledPose Sample(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    std::vector<Math::VQS> locals;
    SampledPose pose;
    AnimationController::LerpBlend(kSkeleton, &state, locals);
    AnimationController::BuildTransformationMatricies(kSkeleton, locals, pose.bones, pose.skinning);
    return pose;
}

}  // namespace

// The demo, started from the build directory, loads every file it registers. The builder makes exactly those files,
// each byte for byte what the build's own run of it wrote (so every run writes the same), and the build's tree holds
// them with the exporter's warrior beside them.
TEST(ResourceFiles, BuilderMakesExactlyTheFilesTheAppRegistersTheSameOnEveryRun) {
    std::set<std::string> registered, built, tree;
    fs::current_path(VANTOR_RESOURCE_ROOT);  // the demo opens its files relative to the working directory
    {
        TestSupport::OffscreenRenderer gl(64, 64);
        TestSupport::RecordingRenderer recorder(*gl.Get());
        AnimationDemo demo;
        demo.Init(&recorder, 64.0f, 64.0f);
        demo.Shutdown();
        TwTerminate();
        for (const TestSupport::RecordedCall& call : recorder.calls) {
            if (!call.result) continue;
            registered.insert(Assets::NormalizePath(call.text[0].substr(2)));
            EXPECT_EQ(call.result, RenderInterface::ResourceResult::Loaded) << call.text[0];
        }
    }
    for (const AssetGen::AssetFile& file : AssetGen::BuildAllAssets()) {
        built.insert(file.path);
        Assets::Bytes written;
        std::string error;
        EXPECT_TRUE(Assets::ReadFileBytes(VANTOR_RESOURCE_ROOT "/" + file.path, written, error) && written == file.bytes)
            << file.path << " differs from the build's " << error;
    }
    EXPECT_EQ(built, registered);
    for (const auto& entry : fs::recursive_directory_iterator(VANTOR_RESOURCE_ROOT "/resources")) {
        if (entry.is_regular_file()) tree.insert(fs::relative(entry.path(), VANTOR_RESOURCE_ROOT).generic_string());
    }
    registered.insert("resources/Warrior.glb");
    EXPECT_EQ(tree, registered);
}

// The bind pose, composed with glm from each bone's local translation, rotation and scale: a humanoid about 180 tall
// with the feet on y = 0 and the toes ahead of the ankles (+z). Bone 36 is the right hand by name, by place (right is
// -x when facing +z) and by hierarchy: the end of the chain chest - clavicle - upper arm - forearm, each link
// reaching further from the chest. Skinning with the bind pose leaves the mesh where it is: each inverse bind matrix
// undoes the bone's model matrix. Scales stay 1 (the weapon offset is unscaled).
TEST(Skeleton, IsAHumanoidWithBone36AsItsRightHandAndInverseBindsThatUndoTheBindPose) {
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    std::vector<glm::dmat4> model;
    for (const Assets::BoneData& bone : skeleton.bones) {
        model.push_back((bone.parent < 0 ? glm::dmat4(1.0) : model[bone.parent]) * Trs(Exact(bone.bindPose)));
        EXPECT_LT(Math::Length(bone.bindPose.scale - Vector3::one), 1e-5f) << bone.name;
        EXPECT_LT(MaxDifference(bone.inverseBind, glm::inverse(model.back())), 1e-3) << bone.name;
    }
    const auto at = [&](const std::string& name) { return glm::vec3(model.at(BoneIndex(skeleton, name))[3]); };
    EXPECT_LT(at("LeftToe").y, 5.0f);
    EXPECT_GT(at("LeftToe").z, at("LeftFoot").z + 8.0f);
    EXPECT_NEAR(at("LeftThigh").y, 95.0f, 8.0f);
    EXPECT_NEAR(at("Head").y, 160.0f, 8.0f);
    EXPECT_EQ(skeleton.bones.at(kWeaponBone).name, "RightHand");
    EXPECT_LT(model[kWeaponBone][3].x, -20.0f);
    std::vector<std::string> chain;
    for (int bone = kWeaponBone; bone >= 0 && chain.size() < 5; bone = skeleton.bones[bone].parent) {
        chain.insert(chain.begin(), skeleton.bones[bone].name);
    }
    EXPECT_EQ(chain, (std::vector<std::string>{"Chest", "RightClavicle", "RightUpperArm", "RightForearm", "RightHand"}));
    for (std::size_t i = 1; i + 1 < chain.size(); ++i) {
        EXPECT_LT(glm::length(at(chain[i]) - at("Chest")), glm::length(at(chain[i + 1]) - at("Chest"))) << chain[i];
    }
}

// A figure within a real-time budget, standing on y = 0, about 180 tall, its weapon hand on the right (-x), opaque
// colours per part; the unarmoured figure is a static mesh of the same size.
TEST(Mesh, WarriorAndHumanStandOnTheFloor) {
    const auto warrior = Load(Assets::kPlayerMeshFile, Assets::ReadMesh), human = Load(Assets::kHumanMeshFile, Assets::ReadMesh);
    EXPECT_TRUE(warrior.indices.size() >= 3 * 5000 && warrior.indices.size() <= 3 * 20000) << warrior.indices.size() / 3;
    std::set<std::array<std::uint8_t, 4>> colours;
    for (const Assets::MeshVertex& v : warrior.vertices) {
        colours.insert(v.color);
        if (v.boneIndices[0] == kWeaponBone && v.boneWeights[0] > 0.5f) {
            EXPECT_LT(v.position.x, -15.0f);
        }
    }
    EXPECT_GE(colours.size(), 8u);
    EXPECT_TRUE(std::all_of(colours.begin(), colours.end(), [](const auto& c) { return c[3] == 255; }));
    EXPECT_TRUE(warrior.skinned && !human.skinned);
    for (const Assets::MeshData* mesh : {&warrior, &human}) {
        float low = 1e9f, high = -1e9f;
        for (const Assets::MeshVertex& v : mesh->vertices) low = std::min(low, v.position.y), high = std::max(high, v.position.y);
        EXPECT_NEAR(low, 0.0f, 0.3f);
        EXPECT_NEAR(high, 182.0f, 8.0f);
    }
}

// The floor: a cube spanning [-1, 1], every vertex on its face with that face's outward unit normal and texture
// coordinates in [0, 1]; scaled by 10 in y at -10, its top is y = 0.
TEST(Mesh, FloorIsTheUnitCube) {
    std::set<std::array<float, 3>> faces;
    for (const Assets::MeshVertex& v : Load(Assets::kFloorFile, Assets::ReadMesh).vertices) {
        const Vector3& n = v.normal;
        EXPECT_EQ(std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z), 1.0f) << "not an axis";
        EXPECT_EQ(Math::Dot(n, v.position), 1.0f) << "vertex off its face, or the normal points inwards";
        EXPECT_LE(std::max({std::fabs(v.position.x), std::fabs(v.position.y), std::fabs(v.position.z)}), 1.0f);
        EXPECT_TRUE(v.uv.x >= 0.0f && v.uv.x <= 1.0f && v.uv.y >= 0.0f && v.uv.y <= 1.0f);
        faces.insert({n.x, n.y, n.z});
    }
    EXPECT_EQ(faces.size(), 6u);
}

// The app's grip point (the hand's bind matrix times the weapon offset) lies inside the closed fist: whichever way
// one looks from it (400 directions spread evenly by a Fibonacci sphere), vertices of the hand and its fingers lie at
// least a unit beyond it; and the fingers wrap it closely.
TEST(WeaponGrip, GripPointLiesInsideTheClosedFist) {
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    const Vector3 grip = Math::TransformPoint(Math::Inverse(skeleton.bones.at(kWeaponBone).inverseBind), kWeaponOffset);
    std::vector<bool> inHand(skeleton.bones.size());
    for (std::size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const int parent = skeleton.bones[bone].parent;
        inHand[bone] = bone == kWeaponBone || (parent >= 0 && inHand[parent]);
    }
    std::vector<Vector3> hand;
    float nearest = 1e9f;
    for (const Assets::MeshVertex& v : Load(Assets::kPlayerMeshFile, Assets::ReadMesh).vertices) {
        if (!inHand.at(v.boneIndices[0]) || v.boneWeights[0] < 0.5f) continue;
        hand.push_back(v.position);
        nearest = std::min(nearest, Math::Length(v.position - grip));
    }
    ASSERT_GT(hand.size(), 100u);
    EXPECT_LT(nearest, 4.0f) << "the fingers do not close around the grip";
    for (int i = 0; i < 400; ++i) {
        const float y = 1.0f - (2.0f * i + 1.0f) / 400.0f, r = std::sqrt(1.0f - y * y);
        const Vector3 direction(r * std::cos(2.39996323f * i), y, r * std::sin(2.39996323f * i));
        float beyond = -1e9f;
        for (const Vector3& p : hand) beyond = std::max(beyond, Math::Dot(p - grip, direction));
        EXPECT_GT(beyond, 1.0f) << "outside the hand towards (" << direction.x << ", " << direction.y << ", " << direction.z << ")";
    }
}

// The day sky's sun stands where the scene's light comes from: the light travels along (0, -1, 1), so the sky is
// brightest within 0.05 radians of (0, 1, -1), and dimmer everywhere else. Each texel lies in the direction OpenGL's
// cube-map selection gives it (faces +x, -x, +y, -y, +z, -z).
TEST(Sky, SunStandsWhereTheLightComesFrom) {
    const auto sky = Load(Assets::kDaySkyFile, Assets::ReadCubeMapDds);
    const Vector3 sun = Math::Normalized(Vector3(0.0f, 1.0f, -1.0f));
    float inside = 0.0f, outside = 0.0f;
    for (int f = 0; f < 6; ++f) {
        for (std::uint32_t i = 0; i < sky.size * sky.size; ++i) {
            const float s = (2.0f * (i % sky.size) + 1.0f) / sky.size - 1.0f, t = (2.0f * (i / sky.size) + 1.0f) / sky.size - 1.0f;
            const Vector3 direction[6] = {{1, -t, -s}, {-1, -t, s}, {s, 1, t}, {s, -1, -t}, {s, -t, 1}, {-s, -t, -1}};
            const std::uint8_t* c = &sky.faces[f].at(4 * i);
            float& brightest = Math::Dot(Math::Normalized(direction[f]), sun) > std::cos(0.05f) ? inside : outside;
            brightest = std::max(brightest, 0.2126f * c[0] + 0.7152f * c[1] + 0.0722f * c[2]);
        }
    }
    EXPECT_GT(inside, 240.0f);
    EXPECT_LT(outside, inside);
}

// Every clip the app registers: short (the demo only plays Walk and Run), every channel keyed from 0 to the clip's
// end. Skinned through the clip (every influence must name a bone the skeleton has), no vertex sinks below y = -1.5
// (a rolling sole may touch down a little) and no triangle edge stretches to three times its bind length (the outside
// of a sharply bent elbow comes closest; a vertex bound to the wrong bone or a hard step in the weights tears far
// beyond that). Stand only breathes; every other clip moves some bone visibly.
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
        const SampledPose start = Sample(file.name, 0.0f);
        float lowest = 1e9f, stretch = 0.0f, moved = 0.0f;
        for (float t = 0.0f; t <= clip.duration; t += clip.duration / 10.0f) {
            const SampledPose pose = Sample(file.name, t);
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
                moved = std::max(moved, Math::Length(pose.bones[b].Column(3) - start.bones[b].Column(3)));
            }
        }
        EXPECT_GT(lowest, -1.5f);
        EXPECT_LT(stretch, 3.0f);
        EXPECT_GT(moved, std::string(file.name) == "Stand" ? 1.0f : 10.0f);
    }
}

// Walk and Run as the demo plays them: the clip clock advances 0.007 per frame (restarting at 0 once it passes the
// end) while the body travels 1 / 0.3 model units per frame along +z. Over three cycles, in the ground's frame, each
// ball of the foot plants (a stance: a run of frames on its lowest level, within a quarter unit) and drifts within a
// stance by at most 1 world unit. The cycle loops: the last pose is the first, and the restart is no bigger a change
// than any other frame's.
TEST(Gait, PlantedFootStaysWithinOneWorldUnitPerStepAndTheCycleLoopsWithoutAJump) {
    Register();
    const auto skeleton = Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    for (const char* clip : {"Walk", "Run"}) {
        SCOPED_TRACE(clip);
        const float duration = AnimationController::GetClipDuration(clip);
        std::vector<SampledPose> frames;
        for (float time = 0.0f; frames.size() < std::ceil(3.0f * duration / Assets::kClipUnitsPerFrame);) {
            frames.push_back(Sample(clip, time));
            time = time + Assets::kClipUnitsPerFrame > duration ? 0.0f : time + Assets::kClipUnitsPerFrame;
        }
        for (const char* toe : {"LeftToe", "RightToe"}) {
            std::vector<Vector3> ball;
            for (const SampledPose& pose : frames) {
                ball.push_back(pose.bones.at(BoneIndex(skeleton, toe)).Column(3) + Vector3(0, 0, kTravelPerFrame * ball.size()));
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
            const SampledPose pa = Sample(clip, a), pb = Sample(clip, b);
            float largest = 0.0f;
            for (std::size_t bone = 0; bone < pa.bones.size(); ++bone) {
                for (int k = 0; k < 16; ++k) largest = std::max(largest, std::fabs(pa.bones[bone][k] - pb.bones[bone][k]));
            }
            return largest;
        };
        EXPECT_LT(change(0.0f, duration), 1e-3f);
        float ordinary = 0.0f;
        for (float t = 0.0f; t + Assets::kClipUnitsPerFrame <= duration; t += Assets::kClipUnitsPerFrame) {
            ordinary = std::max(ordinary, change(t, t + Assets::kClipUnitsPerFrame));
        }
        EXPECT_LE(change(duration - 0.5f * Assets::kClipUnitsPerFrame, 0.5f * Assets::kClipUnitsPerFrame), ordinary * 1.05f);
    }
}

// Each weapon is modelled with its grip at the origin: the handle passes within a finger's thickness of it, and the
// weapon reaches well beyond. Placed as the app places them every 0.03 of Walk and Run: the sword's blade (its
// tip, the point farthest from the grip) points forward and up, the gun's muzzle ahead, and the shield's centre lies
// further out to the right (-x) than the forearm.
TEST(WeaponGrip, WeaponsAreHeldAtTheirGripAndCarriedNaturally) {
    Register();
    Vector3 tips[3], centres[3];  // sword, shield, gun (kWeaponFiles): farthest point from the grip; mean vertex
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
            const SampledPose pose = Sample(clip, t);
            const Math::Matrix4 placement = pose.bones.at(kWeaponBone) * offset;
            const Vector3 grip = Math::TransformPoint(placement, Vector3::zero);
            const Vector3 blade = Math::TransformPoint(placement, tips[0]) - grip, muzzle = Math::TransformPoint(placement, tips[2]) - grip;
            EXPECT_GT(Math::Length(blade), 80.0f);
            EXPECT_TRUE(blade.z > 0.25f * Math::Length(blade) && blade.y > 0.25f * Math::Length(blade)) << clip << " " << t;
            EXPECT_GT(muzzle.z, 0.8f * Math::Length(muzzle)) << clip << " " << t;
            EXPECT_LT(Math::TransformPoint(placement, centres[1]).x,
                      std::min(pose.bones.at(forearm).Column(3).x, pose.bones[kWeaponBone].Column(3).x) - 5.0f)
                << clip << " " << t;
        }
    }
}
