#pragma once
// Shared by the character's tests: the fixed loop, a character placed on a path without any
// renderer, and conversions to glm for independent references.
#include <vector>

#include <gtest/gtest.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

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
inline PathCharacter OnPath(const std::vector<Math::Vector2>& points)
{
    PathCharacter character;
    character.BuildPath(points);
    character.PlaceAtPathStart();
    return character;
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

}  // namespace CharacterTest
