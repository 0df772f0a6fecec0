// Cost of one character's animation per frame: sampling and blending Walk and Run
// (LerpBlend1D) and building bone and skinning matrices, for a 50-bone skeleton, and the same
// for crowds of 1, 100 and 1000 characters to show the cost per character stays flat.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

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

// Writes the assets once and registers them, as the renderer would at start-up.
class Assets50 {
public:
    Assets50() {
        directory = std::filesystem::temp_directory_path() / ("vantor-anim-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory);
        Register("Body.ske", Assets::WriteSkeleton(Skeleton()), RenderInterface::AnimationLibrary::RegisterSkeletonFile,
                 "Body");
        Register("Walk.anim", Assets::WriteAnimation(Clip(0.0f)),
                 RenderInterface::AnimationLibrary::RegisterAnimationFile, "Walk");
        Register("Run.anim", Assets::WriteAnimation(Clip(1.0f)),
                 RenderInterface::AnimationLibrary::RegisterAnimationFile, "Run");
    }
    ~Assets50() { std::filesystem::remove_all(directory); }

private:
    void Register(const std::string& file, const Assets::Bytes& bytes,
                  RenderInterface::ResourceResult (*registerFile)(const char*, const char*), const char* name) {
        const std::string path = (directory / file).string();
        std::string error;
        if (!Assets::WriteFileBytes(path, bytes, error) ||
            registerFile(path.c_str(), name) != RenderInterface::ResourceResult::Loaded) {
            std::fprintf(stderr, "animation bench: cannot set up %s %s\n", path.c_str(), error.c_str());
            std::abort();
        }
    }

    std::filesystem::path directory;
};

const Assets50& RegisteredAssets() {
    static const Assets50 assets;
    return assets;
}

struct Character {
    RenderInterface::AnimationState walk;
    RenderInterface::AnimationState run;
    std::vector<Math::VQS> localPoses;
    std::vector<Math::Matrix4> boneTransforms;
    std::vector<Math::Matrix4> skinningMatrices;
};

void AnimateCharacters(benchmark::State& state) {
    RegisteredAssets();
    std::vector<Character> crowd(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < crowd.size(); ++i) {
        crowd[i].walk.SetAnimationName("Walk");
        crowd[i].run.SetAnimationName("Run");
        crowd[i].walk.SetTime(std::fmod(0.37f * static_cast<float>(i), kDuration));
        crowd[i].run.SetTime(std::fmod(0.71f * static_cast<float>(i), kDuration));
    }
    const std::string skeleton = "Body";
    for (auto _ : state) {
        for (Character& c : crowd) {
            // One frame's clock step, wrapping at the end as the character code does.
            c.walk.SetTime(c.walk.GetEndFlag() ? 0.0f : c.walk.GetTime() + 0.2f);
            c.run.SetTime(c.run.GetEndFlag() ? 0.0f : c.run.GetTime() + 0.3f);
            RenderInterface::AnimationController::LerpBlend1D(skeleton, 0.4f, &c.walk, &c.run, c.localPoses);
            RenderInterface::AnimationController::BuildTransformationMatricies(skeleton, c.localPoses, c.boneTransforms,
                                                                             c.skinningMatrices);
            benchmark::DoNotOptimize(c.skinningMatrices.data());
        }
        benchmark::ClobberMemory();
    }
    if (crowd.front().skinningMatrices.size() != kBones) {
        state.SkipWithError("the skeleton or a clip was not registered");
    }
    state.counters["per_character"] = benchmark::Counter(static_cast<double>(crowd.size()),
                                                         benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(AnimateCharacters)->Name("Blend1DAndMatrices_50Bones/characters")->Arg(1)->Arg(100)->Arg(1000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
