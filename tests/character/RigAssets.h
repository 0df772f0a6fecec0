#pragma once
// A small skeleton and two clips whose poses are known in closed form, registered straight into
// the animation runtime (no renderer, no files):
//   RigSkeleton  40 bones in a chain; bone 0 at the origin, every other bone 1 unit above its
//                parent, and bone 36 also turned a quarter turn about z.
//   RigWalk      bone 0 at (0, 5 t, 0) at clip time t in [0, 1]; duration 1.
//   RigRun       bone 0 at (10, 5 t, 0); duration 1.
// So the root's x is 10 times Run's share of the blend, and its y is 5 times the blended time.
#include <string>

#include <gtest/gtest.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <Animation/Registry.h>
#include <RenderInterface/Animation.h>
#include <RenderInterface/SceneObjects.h>

#include "character/PathCharacter.h"

namespace CharacterTest {

constexpr float RigClipDuration = 1.0f;
constexpr float RigRunX = 10.0f;
constexpr float RigRiseRate = 5.0f;
constexpr int RigHand = 36;

inline void RegisterRigAssets()
{
    Assets::SkeletonData skeleton;
    for (int i = 0; i < 40; ++i) {
        skeleton.bones.push_back({"bone" + std::to_string(i), i - 1, {}, {}});
        skeleton.bones.back().bindPose.translation = Math::Vector3(0.0f, i > 0 ? 1.0f : 0.0f, 0.0f);
        if (i == RigHand) skeleton.bones.back().bindPose.rotation = Math::Quaternion::RotateZ(1.5707964f);
    }
    std::string error;
    ASSERT_TRUE(Animation::Registry::AddSkeleton("RigSkeleton", skeleton, error)) << error;
    for (const auto& [name, x] : {std::pair{"RigWalk", 0.0f}, {"RigRun", RigRunX}}) {
        Assets::AnimationData clip{RigClipDuration, {{0, {}, {}, {}}}};
        clip.tracks[0].translations = {{0.0f, Math::Vector3(x, 0.0f, 0.0f)},
                                       {RigClipDuration, Math::Vector3(x, RigRiseRate * RigClipDuration, 0.0f)}};
        ASSERT_TRUE(Animation::Registry::AddClip(name, clip, error)) << error;
    }
}

// Gives the character's model the rig's skeleton, and its Run and Walk states the rig's clips
// from time 0.
inline void UseRigAssets(PathCharacter& character)
{
    RegisterRigAssets();
    character.playerModel->SetSkeleton("RigSkeleton");
    character.animationStates[PathCharacter::RunState]->SetAnimationName("RigRun");
    character.animationStates[PathCharacter::RunState]->SetTime(0.0f);
    character.animationStates[PathCharacter::WalkState]->SetAnimationName("RigWalk");
    character.animationStates[PathCharacter::WalkState]->SetTime(0.0f);
}

// Model matrix of the rig's bone 36 for the root at `root`, computed from the description.
inline glm::mat4 RigHandBone(const glm::vec3& root)
{
    const glm::mat4 position = glm::translate(glm::mat4(1.0f), root + glm::vec3(0.0f, RigHand, 0.0f));
    return glm::rotate(position, glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
}

}  // namespace CharacterTest
