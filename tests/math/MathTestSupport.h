#pragma once
// Conversions to glm and comparison helpers shared by the maths tests.
// Matrix4 is row-major (m[row * 4 + col]); glm is column-major (g[col][row]).
#include <Math/Math.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

#include <random>

inline glm::vec3 ToGlm(const Math::Vector3& v) { return glm::vec3(v.x, v.y, v.z); }
inline glm::quat ToGlm(const Math::Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
inline Math::Quaternion FromGlm(const glm::quat& q) { return Math::Quaternion(Math::Vector3(q.x, q.y, q.z), q.w); }

inline glm::mat4 ToGlm(const Math::Matrix4& m) {
    glm::mat4 g;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) g[c][r] = m[r * 4 + c];
    return g;
}

inline void ExpectNear(const Math::Vector3& actual, const glm::vec3& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(ToGlm(actual)[i], expected[i], tolerance) << "component " << i;
}

inline void ExpectNear(const Math::Quaternion& actual, const glm::quat& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(ToGlm(actual)[i], expected[i], tolerance) << "component " << i;
}

inline void ExpectNear(const Math::Matrix4& actual, const glm::mat4& expected, float tolerance = 1e-5f) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual[r * 4 + c], expected[c][r], tolerance) << "element (" << r << ", " << c << ")";
}

// Deterministic random inputs so failures reproduce.
class RandomInputs {
public:
    float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(engine_); }
    Math::Vector3 Vector(float range = 10.0f) {
        return Math::Vector3(Uniform(-range, range), Uniform(-range, range), Uniform(-range, range));
    }
    glm::quat UnitQuaternion() {
        glm::vec4 c(Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1));
        while (glm::length(c) < 0.1f) c.w += 0.5f;
        c = glm::normalize(c);
        return glm::quat(c.w, c.x, c.y, c.z);
    }

private:
    std::mt19937 engine_{20240611u};
};
