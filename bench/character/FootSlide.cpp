// How much the warrior's planted feet slide over the ground while it cruises along the loop at
// the default settings: a figure for judging the clips against the travel speed. Prints it; it
// asserts nothing.
//
// A foot is planted while its toe is within ContactMargin of the lowest height that toe reaches
// over the lap (the toe stays down through heel-off). Each planted span is a step; its slide is
// the toe's horizontal movement in the world during the span. Only frames in cruise (travelled
// fraction 0.3 up to 0.8) count.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

#include "BenchCharacter.h"

namespace {

constexpr float ContactMargin = 0.25f;  // world units  // world units  // world units  // world units  // world units  // world units

// Indices of the bones whose name contains "Toe", as the skeleton lists them.
std::vector<int> ToeBones(const char* skeletonPath)
{
    Assets::Bytes bytes;
    std::string error;
    Assets::SkeletonData skeleton;
    std::vector<int> toes;
    if (!Assets::ReadFileBytes(skeletonPath, bytes, error) || !Assets::ReadSkeleton(bytes, skeleton, error)) {
        std::fprintf(stderr, "FootSlide: %s: %s\n", skeletonPath, error.c_str());
        return toes;
    }
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        if (skeleton.bones[i].name.find("Toe") != std::string::npos) {
            toes.push_back(static_cast<int>(i));
        }
    }
    return toes;
}

struct CruiseFrame {
    std::array<Math::Vector3, 2> toes;
};

// The toes' world positions on every cruise frame of one lap.
std::vector<CruiseFrame> RecordCruise(PathCharacter& character, const std::vector<int>& toes)
{
    std::vector<CruiseFrame> frames;
    for (int frame = 0; frame < 100000; ++frame) {
        const float fraction = character.distance / character.pathLength;
        const int segmentBefore = character.segment;
        character.Update();
        if (segmentBefore != 1 && character.segment == 1) {
            break;  // one lap
        }
        const bool cruising = fraction >= character.easeInEnd && fraction < character.easeOutStart;
        if (!cruising || character.boneTransforms.size() <= static_cast<std::size_t>(toes[1])) {
            continue;
        }
        CruiseFrame record;
        for (int foot = 0; foot < 2; ++foot) {
            const Math::Matrix4 world = character.playerModel->GetWorldMatrix() * character.boneTransforms[toes[foot]];
            record.toes[foot] = Math::Vector3(world[3], world[7], world[11]);
        }
        frames.push_back(record);
    }
    return frames;
}

}  // namespace

int main()
{
    const std::vector<int> toes = ToeBones("resources/skeletons/Warrior_Skeleton.ske");
    if (toes.size() != 2) {
        std::fprintf(stderr, "FootSlide: expected two toe bones, found %zu\n", toes.size());
        return 1;
    }
    BenchCharacter scene;
    if (!scene) {
        return 1;
    }
    const std::vector<CruiseFrame> frames = RecordCruise(scene.character, toes);
    if (frames.empty()) {
        std::fprintf(stderr, "FootSlide: no cruise frames with a pose\n");
        return 1;
    }

    int steps = 0;
    int plantedFrames = 0;
    double slide = 0.0;
    double worstStep = 0.0;
    for (int foot = 0; foot < 2; ++foot) {
        float ground = frames[0].toes[foot].y;
        for (const CruiseFrame& frame : frames) {
            ground = std::min(ground, frame.toes[foot].y);
        }
        double stepSlide = 0.0;
        bool planted = false;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const Math::Vector3& toe = frames[i].toes[foot];
            const bool down = toe.y <= ground + ContactMargin;
            if (down && planted) {
                const Math::Vector3& before = frames[i - 1].toes[foot];
                stepSlide += std::hypot(toe.x - before.x, toe.z - before.z);
                ++plantedFrames;
            }
            if (planted && !down) {
                ++steps;
                slide += stepSlide;
                worstStep = std::max(worstStep, stepSlide);
                stepSlide = 0.0;
            }
            planted = down;
        }
    }
    if (steps == 0) {
        std::fprintf(stderr, "FootSlide: no planted steps during cruise\n");
        return 1;
    }
    std::printf("cruise: %zu frames, %d steps (both feet), %d planted frames\n", frames.size(), steps, plantedFrames);
    std::printf("planted-foot slide: %.3f world units per step (worst %.3f), %.4f per planted frame\n",
                slide / steps, worstStep, slide / plantedFrames);
    return 0;
}
