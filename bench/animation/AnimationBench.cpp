// Cost of one character's animation per frame: sampling and blending Walk and Run
// (LerpBlend1D) and building bone and skinning matrices, for crowds of 1, 100 and 1000
// characters to show the cost per character stays flat. Two data sets: a synthetic 50-bone
// skeleton keyed on every channel, and the warrior's own skeleton and clips as generated into
// the build's resources.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <Assets/ClipTime.h>
#include <Assets/Formats.h>
#include <RenderInterface/Animation.h>

#include "animation/AnimationLibrary.h"

namespace {

constexpr int kBones = 50;
constexpr int kKeysPerChannel = 30;
constexpr float kDuration = 29.0f;

Assets::SkeletonData Skeleton() {
    Assets::SkeletonData skeleton;
    for (int i = 0; i < kBones; ++i) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(i);
        bone.parent = i == 0 ? -1 : (i - 1) / 2;  // a branching tree, like a body
        bone.bindPose.translation = Math::Vector3(0.0f, 10.0f, 0.0f);
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

// Every bone keyed on every channel, as exported clips are.
Assets::AnimationData Clip(float phase) {
    Assets::AnimationData clip;
    clip.duration = kDuration;
    for (int b = 0; b < kBones; ++b) {
        Assets::BoneTrack track;
        track.bone = static_cast<std::uint32_t>(b);
        for (int k = 0; k < kKeysPerChannel; ++k) {
            const float time = static_cast<float>(k);
            const float angle = std::sin(phase + 0.3f * k + 0.1f * b);
            track.translations.push_back({time, Math::Vector3(angle, 10.0f, 0.0f)});
            track.rotations.push_back({time, Math::Quaternion(angle, Math::Vector3(1.0f, 0.5f, 0.0f))});
            track.scales.push_back({time, Math::Vector3(1.0f, 1.0f, 1.0f)});
        }
        clip.tracks.push_back(track);
    }
    return clip;
}

void Register(const std::string& path, RenderInterface::ResourceResult (*registerFile)(const char*, const char*),
              const char* name) {
    if (registerFile(path.c_str(), name) != RenderInterface::ResourceResult::Loaded) {
        std::fprintf(stderr, "animation bench: cannot register %s\n", path.c_str());
        std::abort();
    }
}

// Writes the synthetic assets once and registers them, as the renderer would at start-up.
class SyntheticAssets {
public:
    SyntheticAssets() {
        directory = std::filesystem::temp_directory_path() / ("vantor-anim-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory);
        Write("Body.ske", Assets::WriteSkeleton(Skeleton()));
        Write("Walk.anim", Assets::WriteAnimation(Clip(0.0f)));
        Write("Run.anim", Assets::WriteAnimation(Clip(1.0f)));
        Register((directory / "Body.ske").string(), RenderInterface::AnimationLibrary::RegisterSkeletonFile, "Body");
        Register((directory / "Walk.anim").string(), RenderInterface::AnimationLibrary::RegisterAnimationFile,
                 "SyntheticWalk");
        Register((directory / "Run.anim").string(), RenderInterface::AnimationLibrary::RegisterAnimationFile,
                 "SyntheticRun");
    }
    ~SyntheticAssets() { std::filesystem::remove_all(directory); }

private:
    void Write(const std::string& file, const Assets::Bytes& bytes) {
        std::string error;
        if (!Assets::WriteFileBytes((directory / file).string(), bytes, error)) {
            std::fprintf(stderr, "animation bench: %s\n", error.c_str());
            std::abort();
        }
    }

    std::filesystem::path directory;
};

void RegisterWarrior() {
    const std::string resources = VANTOR_RESOURCES_DIR;
    Register(resources + "/skeletons/Warrior_Skeleton.ske", RenderInterface::AnimationLibrary::RegisterSkeletonFile,
             "Warrior");
    Register(resources + "/animations/Warrior_Walk.anim", RenderInterface::AnimationLibrary::RegisterAnimationFile,
             "WarriorWalk");
    Register(resources + "/animations/Warrior_Run.anim", RenderInterface::AnimationLibrary::RegisterAnimationFile,
             "WarriorRun");
}

void RegisterAll() {
    static const SyntheticAssets synthetic;
    static const bool warrior = (RegisterWarrior(), true);
    (void)warrior;
}

struct DataSet {
    const char* skeleton;
    const char* walk;
    const char* run;
    float walkStep;  // clip time per frame
    float runStep;
};

const DataSet kSynthetic{"Body", "SyntheticWalk", "SyntheticRun", 0.2f, 0.3f};
// The demo's own clock step per frame.
const DataSet kWarrior{"Warrior", "WarriorWalk", "WarriorRun", Assets::kClipUnitsPerFrame,
                       Assets::kClipUnitsPerFrame};

struct Character {
    RenderInterface::AnimationState walk;
    RenderInterface::AnimationState run;
    std::vector<Math::VQS> localPoses;
    std::vector<Math::Matrix4> boneTransforms;
    std::vector<Math::Matrix4> skinningMatrices;
};

void AnimateCharacters(benchmark::State& state, const DataSet& data) {
    RegisterAll();
    using RenderInterface::AnimationController;
    const float walkDuration = AnimationController::GetClipDuration(data.walk);
    const float runDuration = AnimationController::GetClipDuration(data.run);
    std::vector<Character> crowd(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < crowd.size(); ++i) {
        crowd[i].walk.SetAnimationName(data.walk);
        crowd[i].run.SetAnimationName(data.run);
        crowd[i].walk.SetTime(std::fmod(0.37f * static_cast<float>(i), walkDuration));
        crowd[i].run.SetTime(std::fmod(0.71f * static_cast<float>(i), runDuration));
    }
    const std::string skeleton = data.skeleton;
    for (auto _ : state) {
        for (Character& c : crowd) {
            // One frame's clock step, wrapping at the end as the character code does.
            c.walk.SetTime(c.walk.GetEndFlag() ? 0.0f : c.walk.GetTime() + data.walkStep);
            c.run.SetTime(c.run.GetEndFlag() ? 0.0f : c.run.GetTime() + data.runStep);
            AnimationController::LerpBlend1D(skeleton, 0.4f, &c.walk, &c.run, c.localPoses);
            AnimationController::BuildTransformationMatricies(skeleton, c.localPoses, c.boneTransforms,
                                                              c.skinningMatrices);
            benchmark::DoNotOptimize(c.skinningMatrices.data());
        }
        benchmark::ClobberMemory();
    }
    if (crowd.front().skinningMatrices.empty() ||
        crowd.front().skinningMatrices.size() != static_cast<std::size_t>(AnimationController::GetBoneCount(skeleton))) {
        state.SkipWithError("the skeleton or a clip was not registered");
    }
    state.counters["per_character"] = benchmark::Counter(static_cast<double>(crowd.size()),
                                                         benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(AnimateCharacters, Warrior, kWarrior)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AnimateCharacters, Synthetic50Bones, kSynthetic)->Arg(1)->Arg(100)->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
