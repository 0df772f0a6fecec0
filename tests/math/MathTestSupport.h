#pragma once
// glm conversions, comparisons and seeded random inputs for the maths tests.
// Matrix4 is row-major (m[row * 4 + col]); glm is column-major (g[col][row]).
#include <Math/Math.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <gtest/gtest.h>

#include <random>

inline glm::vec3 ToGlm(const Math::Vector3& v) { return glm::vec3(v.x, v.y, v.z); }
inline glm::quat ToGlm(const Math::Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
inline Math::Quaternion FromGlm(const glm::quat& q) { return Math::Quaternion(Math::Vector3(q.x, q.y, q.z), q.w); }
inline glm::mat4 ToGlm(const Math::Matrix4& m) { return glm::transpose(glm::make_mat4(m.m)); }

constexpr float kPi = 3.14159265f;

template <typename Actual, typename Expected>
void ExpectNear(const Actual& actual, const Expected& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < Expected::length(); ++i) EXPECT_NEAR(ToGlm(actual)[i], expected[i], tolerance) << i;
}
inline void ExpectNear(const Math::Matrix4& actual, const glm::mat4& expected, float tolerance = 1e-5f) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual[r * 4 + c], expected[c][r], tolerance) << r << "," << c;
}

class RandomInputs {
public:
    float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(engine_); }
    Math::Vector3 Vector(float range = 10.0f) {
        return Math::Vector3(Uniform(-range, range), Uniform(-range, range), Uniform(-range, range));
    }
    glm::quat UnitQuaternion() {
        glm::vec4 c(Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1), Uniform(-1, 1));
        c.w += c.w < 0 ? -0.2f : 0.2f;  // keeps the length away from zero
        c = glm::normalize(c);
        return glm::quat(c.w, c.x, c.y, c.z);
    }
    // A general matrix, kept well-conditioned by a dominant diagonal.
    Math::Matrix4 Matrix() {
        Math::Matrix4 m;
        for (int i = 0; i < 16; ++i) m[i] = Uniform(-1.0f, 1.0f) + (i % 5 == 0 ? 5.0f : 0.0f);
        return m;
    }

private:
    std::mt19937 engine_{20240611u};
};
