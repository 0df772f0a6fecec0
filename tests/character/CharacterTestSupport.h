#pragma once
// Shared by the character's tests: the fixed loop, a character placed on a path without any
// renderer, conversions to glm for independent references, and a rig whose poses are known in
// closed form, registered straight into the animation runtime (no renderer, no files):
//   RigSkeleton  40 bones in a chain; bone 0 at the origin, every other bone 1 unit above its
//                parent, and bone 36 (the hand) also turned a quarter turn about z.
//   RigWalk      bone 0 at (0, 5 t, 0) at clip time t in [0, 1]; RigRun at (10, 5 t, 0).
// So the root's x is 10 times Run's share of the blend, and its y is 5 times the blended time.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <Animation/Registry.h>
#include <RenderInterface/Animation.h>
#include <RenderInterface/SceneObjects.h>

#include "character/PathCharacter.h"

namespace CharacterTest {

// The 13 control points (x, z) of the loop the warrior walks; the last repeats the first.
inline std::vector<Math::Vector2> FixedLoopPoints()
{
    return {{-100, 100}, {-200, 200}, {-300, 100}, {-300, -100}, {-200, -200}, {-100, -100}, {100, -100},
            {200, -200}, {300, -100}, {300, 100},  {200, 200},   {100, 100},   {-100, 100}};
}

// A character without renderer or clips, standing at the start of the path through `points`.
inline void PutOnPath(PathCharacter& character, const std::vector<Math::Vector2>& points)
{
    character.controlPoints = points;
    character.BuildPath(character.controlPoints);
    character.PlaceAtPathStart();
}

inline glm::quat ToGlm(const Math::Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
inline glm::vec3 ToGlm(const Math::Vector3& v) { return glm::vec3(v.x, v.y, v.z); }
// glm matrices are column-major: element (row, column) is m[column][row].
inline glm::mat4 ToGlm(const Math::Matrix4& m)
{
    glm::mat4 result;
    for (int i = 0; i < 16; ++i) result[i % 4][i / 4] = m[i];
    return result;
}

// Where a heading points the model's +z, by glm.
inline glm::vec3 FacingOf(const Math::Quaternion& heading)
{
    return glm::normalize(ToGlm(heading)) * glm::vec3(0.0f, 0.0f, 1.0f);
}

constexpr float RigRunX = 10.0f;
constexpr float RigRiseRate = 5.0f;
constexpr int RigHand = 36;

// Registers the rig and gives it to the character's model and its Run and Walk states, from time 0.
inline void UseRigAssets(PathCharacter& character)
{
    Assets::SkeletonData skeleton;
    for (int i = 0; i < 40; ++i) {
        skeleton.bones.push_back({"bone" + std::to_string(i), i - 1, {}, {}});
        skeleton.bones.back().bindPose.translation = Math::Vector3(0.0f, i > 0 ? 1.0f : 0.0f, 0.0f);
        if (i == RigHand) skeleton.bones.back().bindPose.rotation = Math::Quaternion::RotateZ(1.5707964f);
    }
    std::string error;
    ASSERT_TRUE(Animation::Registry::AddSkeleton("RigSkeleton", skeleton, error)) << error;
    character.playerModel->SetSkeleton("RigSkeleton");
    for (const auto& [name, x, state] : {std::tuple{"RigWalk", 0.0f, PathCharacter::WalkState},
                                         {"RigRun", RigRunX, PathCharacter::RunState}}) {
        Assets::AnimationData clip{1.0f, {{0, {}, {}, {}}}};
        clip.tracks[0].translations = {{0.0f, Math::Vector3(x, 0, 0)}, {1.0f, Math::Vector3(x, RigRiseRate, 0)}};
        ASSERT_TRUE(Animation::Registry::AddClip(name, clip, error)) << error;
        character.animationStates[state]->SetAnimationName(name);
        character.animationStates[state]->SetTime(0.0f);
    }
}

// Model matrix of the rig's hand for the root at `root`, computed from the description.
inline glm::mat4 RigHandBone(const glm::vec3& root)
{
    const glm::mat4 position = glm::translate(glm::mat4(1.0f), root + glm::vec3(0.0f, RigHand, 0.0f));
    return glm::rotate(position, glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
}

}  // namespace CharacterTest
