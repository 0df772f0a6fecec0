// How much the warrior's planted foot slides over the ground while it cruises along the loop at
// the default settings: a figure for judging the clips against the travel speed. Prints it; it
// asserts nothing.
//
// Over one lap, the lower of the two feet is taken as planted. Between two frames with the same
// planted foot, its horizontal movement in the world is slide; a step is a run of frames with the
// same planted foot. Only frames in cruise (travelled fraction 0.3 up to 0.8) count.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

#include "BenchCharacter.h"

namespace {

// Indices of the bones whose name contains "Foot" (left first, as the skeleton lists them).
std::vector<int> FootBones(const char* skeletonPath)
{
    Assets::Bytes bytes;
    std::string error;
    Assets::SkeletonData skeleton;
    std::vector<int> feet;
    if (!Assets::ReadFileBytes(skeletonPath, bytes, error) || !Assets::ReadSkeleton(bytes, skeleton, error)) {
        std::fprintf(stderr, "FootSlide: %s: %s\n", skeletonPath, error.c_str());
        return feet;
    }
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        if (skeleton.bones[i].name.find("Foot") != std::string::npos) {
            feet.push_back(static_cast<int>(i));
        }
    }
    return feet;
}

Math::Vector3 WorldPosition(const PathCharacter& character, int bone)
{
    const Math::Matrix4 world = character.playerModel->GetWorldMatrix() * character.boneTransforms[bone];
    return Math::Vector3(world[3], world[7], world[11]);
}

}  // namespace

int main()
{
    const std::vector<int> feet = FootBones("resources/skeletons/Warrior_Skeleton.ske");
    if (feet.size() != 2) {
        std::fprintf(stderr, "FootSlide: expected two foot bones, found %zu\n", feet.size());
        return 1;
    }
    BenchCharacter scene;
    if (!scene) {
        return 1;
    }
    PathCharacter& character = scene.character;

    double slide = 0.0;
    double travelled = 0.0;
    int cruiseFrames = 0;
    int slideFrames = 0;
    int steps = 0;
    int plantedBefore = -1;
    Math::Vector3 plantedAt;
    Math::Vector3 bodyBefore = character.position;
    for (int frame = 0; frame < 100000; ++frame) {
        const float fraction = character.distance / character.pathLength;
        const int segmentBefore = character.segment;
        character.Update();
        if (segmentBefore != 1 && character.segment == 1) {
            break;  // one lap
        }
        const Math::Vector3 body = character.position;
        if (fraction < character.easeInEnd || fraction >= character.easeOutStart ||
            character.boneTransforms.size() <= static_cast<std::size_t>(feet[1])) {
            plantedBefore = -1;
            bodyBefore = body;
            continue;
        }
        const Math::Vector3 left = WorldPosition(character, feet[0]);
        const Math::Vector3 right = WorldPosition(character, feet[1]);
        const int planted = left.y <= right.y ? 0 : 1;
        const Math::Vector3 foot = planted == 0 ? left : right;
        if (planted == plantedBefore) {
            slide += std::hypot(foot.x - plantedAt.x, foot.z - plantedAt.z);
            ++slideFrames;
        } else {
            ++steps;
        }
        travelled += std::hypot(body.x - bodyBefore.x, body.z - bodyBefore.z);
        ++cruiseFrames;
        plantedBefore = planted;
        plantedAt = foot;
        bodyBefore = body;
    }
    if (steps == 0 || slideFrames == 0) {
        std::fprintf(stderr, "FootSlide: no cruise frames with a pose\n");
        return 1;
    }
    std::printf("cruise: %d frames, %d steps, body travelled %.1f world units (%.3f per frame)\n", cruiseFrames,
                steps, travelled, travelled / cruiseFrames);
    std::printf("planted-foot slide: %.3f world units per step, %.4f per frame\n", slide / steps,
                slide / slideFrames);
    return 0;
}
