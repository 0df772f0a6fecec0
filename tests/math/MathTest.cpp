// The maths library against glm, an independent implementation. Matrix4 is row-major, glm column-major.
#include <Math/Math.h>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <gtest/gtest.h>

#include <random>

using Math::Matrix4;
using Math::Quaternion;
using Math::Vector3;

namespace {

glm::vec3 ToGlm(const Vector3& v) { return glm::vec3(v.x, v.y, v.z); }
glm::quat ToGlm(const Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
Quaternion FromGlm(const glm::quat& q) { return Quaternion(Vector3(q.x, q.y, q.z), q.w); }
glm::mat4 ToGlm(const Matrix4& m) { return glm::transpose(glm::make_mat4(m.m)); }

constexpr float kPi = 3.14159265f;

template <typename Actual, typename Expected>
void ExpectNear(const Actual& actual, const Expected& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < Expected::length(); ++i) EXPECT_NEAR(ToGlm(actual)[i], expected[i], tolerance) << i;
}
void ExpectNear(const Matrix4& actual, const glm::mat4& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i % 4][i / 4], tolerance) << "row " << i / 4 << ", column " << i % 4;
}

// Seeded random inputs: general vectors, unit quaternions in both hemispheres, and general matrices kept
// well-conditioned by a dominant diagonal.
std::mt19937 engine{20240611u};
float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(engine); }
Vector3 RandomVector(float range = 10.0f) { return Vector3(Uniform(-range, range), Uniform(-range, range), Uniform(-range, range)); }
glm::quat RandomRotation() { return glm::angleAxis(Uniform(-2.0f * kPi, 2.0f * kPi), glm::normalize(ToGlm(RandomVector()))); }
Matrix4 RandomMatrix() {
    Matrix4 m;
    for (int i = 0; i < 16; ++i) m[i] = Uniform(-1.0f, 1.0f) + (i % 5 == 0 ? 5.0f : 0.0f);
    return m;
}

}  // namespace

// Cross, Dot and Length agree with glm, and Cross is right-handed.
TEST(VectorProducts, MatchGlmAndAreRightHanded) {
    for (int i = 0; i < 100; ++i) {
        const Vector3 a = RandomVector(), b = RandomVector();
        ExpectNear(Cross(a, b), glm::cross(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Dot(a, b), glm::dot(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Length(a), glm::length(ToGlm(a)), 1e-5f);
    }
}

// Normalising matches glm in place and as a copy, keeps zero at zero (no NaNs), and survives magnitudes whose squared
// length under- or overflows a float (3-4-5 triangles).
TEST(VectorNormalize, MatchesGlmAndHandlesZeroAndExtremes) {
    for (Vector3 a : {RandomVector(), RandomVector(), RandomVector(0.01f), Vector3::zero}) {
        const glm::vec3 expected = a == Vector3::zero ? glm::vec3(0.0f) : glm::normalize(ToGlm(a));
        ExpectNear(Normalized(a), expected);
        a.Normalize();
        ExpectNear(a, expected);
    }
    ExpectNear(Normalized(Vector3(3e-30f, 4e-30f, 0.0f)), glm::vec3(0.6f, 0.8f, 0.0f));
    ExpectNear(Normalized(Vector3(0.0f, -3e30f, 4e30f)), glm::vec3(0.0f, -0.6f, 0.8f));
}

// Axis-angle construction and the RotateX/Y/Z shorthands match glm::angleAxis (axis need not be unit; a zero axis
// gives the identity), and positive angles turn counter-clockwise.
TEST(QuaternionAxisAngle, MatchesGlm) {
    for (int i = 0; i < 50; ++i) {
        const Vector3 axis = RandomVector();
        const float angle = Uniform(-2.0f * kPi, 2.0f * kPi);
        ExpectNear(Quaternion(angle, axis), glm::angleAxis(angle, glm::normalize(ToGlm(axis))));
    }
    ExpectNear(Quaternion::RotateX(0.7f), glm::angleAxis(0.7f, glm::vec3(1, 0, 0)));
    ExpectNear(Quaternion::RotateY(-1.9f), glm::angleAxis(-1.9f, glm::vec3(0, 1, 0)));
    ExpectNear(Quaternion::RotateZ(2.5f), glm::angleAxis(2.5f, glm::vec3(0, 0, 1)));
    ExpectNear(Quaternion(1.0f, Vector3::zero), glm::quat(1, 0, 0, 0), 0.0f);
    ExpectNear(Rotate(Quaternion(kPi / 2, Vector3::unit_y), Vector3::unit_z), glm::vec3(1, 0, 0));
}

// Rotating a vector matches glm; a * b applies b first; products of unit quaternions stay unit.
TEST(QuaternionComposition, RightOperandActsFirstAndStaysUnit) {
    ExpectNear(Rotate(Quaternion::RotateZ(kPi / 2) * Quaternion::RotateX(kPi / 2), Vector3::unit_y), glm::vec3(0, 0, 1));
    for (int i = 0; i < 100; ++i) {
        const glm::quat a = RandomRotation(), b = RandomRotation();
        const Vector3 v = RandomVector();
        ExpectNear(Rotate(FromGlm(a), v), a * ToGlm(v), 1e-4f);
        const Quaternion product = FromGlm(a) * FromGlm(b);
        ExpectNear(product, a * b);
        EXPECT_NEAR(Dot(product, product), 1.0f, 1e-5f);
    }
}

// Slerp matches glm's shortest-path slerp, ends included, whichever hemisphere b lies in, and stays unit. Equal or
// nearly equal inputs, where sin(theta) vanishes, still give finite unit rotations between.
TEST(Slerp, MatchesGlmStaysUnitAndCopesWithNearlyEqualInputs) {
    for (int i = 0; i < 100; ++i) {
        const glm::quat a = RandomRotation(), b = RandomRotation();
        for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
            const Quaternion result = Slerp(FromGlm(a), FromGlm(b), t);
            ExpectNear(result, glm::slerp(a, b, t), 1e-4f);
            EXPECT_NEAR(Dot(result, result), 1.0f, 1e-5f);
        }
    }
    const Quaternion c = Quaternion(1.1f, Vector3(0, 1, 1));
    ExpectNear(Slerp(c, c, 0.5f), ToGlm(c));
    for (const float angle : {1e-3f, 0.06f}) {
        for (float t = 0.0f; t <= 1.0f; t += 0.25f) {
            const Quaternion result = Slerp(c, Quaternion::RotateX(angle) * c, t);
            EXPECT_NEAR(Dot(result, result), 1.0f, 1e-6f);
            const Quaternion expected = Quaternion::RotateX(angle * t) * c;
            ExpectNear(result, ToGlm(Dot(result, expected) < 0.0f ? -expected : expected), 1e-4f);  // q and -q are one rotation
        }
    }
}

// Product, transpose, point transform and inverse agree with glm; a singular matrix inverts to the identity.
TEST(Matrix, ProductAndInverseMatchGlm) {
    for (int i = 0; i < 50; ++i) {
        const Matrix4 a = RandomMatrix(), b = RandomMatrix();
        ExpectNear(a * b, ToGlm(a) * ToGlm(b), 1e-4f);
        ExpectNear(Transpose(a), glm::transpose(ToGlm(a)), 0.0f);
        ExpectNear(TransformPoint(a, Vector3(1, -2, 3)), glm::vec3(ToGlm(a) * glm::vec4(1, -2, 3, 1)), 1e-4f);
        ExpectNear(Inverse(a), glm::inverse(ToGlm(a)), 1e-5f);
    }
    Matrix4 singular = RandomMatrix();
    singular[8] = singular[9] = singular[10] = singular[11] = 0.0f;
    ExpectNear(Inverse(singular), glm::mat4(1.0f), 0.0f);
}

// ToMatrix4 matches glm (so it is orthonormal and right-handed) and holds the rotated axes in its columns: a quarter
// turn about y carries the forward column from +z to +x. TRS scales, then rotates, then translates, as glm's
// translate * rotate * scale; so does a VQS.
TEST(Matrix, RotationAndTrsMatchGlmWithAxesInColumns) {
    ExpectNear(Math::ToMatrix4(Quaternion(kPi / 2, Vector3::unit_y)).Column(2), glm::vec3(1, 0, 0));
    const Math::VQS pose{Vector3(1, 0, 0), Quaternion::RotateZ(kPi / 2), Vector3(2, 1, 1)};
    ExpectNear(TransformPoint(Math::ToMatrix4(pose), Vector3::unit_x), glm::vec3(1, 2, 0));
    for (int i = 0; i < 100; ++i) {
        const glm::quat q = RandomRotation();
        ExpectNear(Math::ToMatrix4(FromGlm(q)), glm::mat4_cast(q));
        const Vector3 t = RandomVector(), s = RandomVector(3.0f);
        const glm::mat4 expected = glm::scale(glm::translate(glm::mat4(1.0f), ToGlm(t)) * glm::mat4_cast(q), ToGlm(s));
        ExpectNear(Matrix4::TRS(t, FromGlm(q), s), expected, 1e-4f);
    }
}

// Perspective and LookAt match glm's right-handed [-1, 1]-depth camera; looking straight up or down still gives a proper view.
TEST(Matrix, CameraMatricesMatchGlm) {
    ExpectNear(Matrix4::Perspective(1.2f, 1.75f, 0.5f, 200.0f), glm::perspectiveRH_NO(1.2f, 1.75f, 0.5f, 200.0f));
    for (int i = 0; i < 50; ++i) {
        const Vector3 eye = RandomVector(), forward = RandomVector();
        ExpectNear(Matrix4::LookAt(eye, forward, Vector3::unit_y), glm::lookAtRH(ToGlm(eye), ToGlm(eye + forward), glm::vec3(0, 1, 0)), 1e-4f);
    }
    for (const Vector3& forward : {Vector3::unit_y, -Vector3::unit_y}) {
        const Matrix4 view = Matrix4::LookAt(Vector3(1, 2, 3), forward, Vector3::unit_y);
        ExpectNear(TransformPoint(view, Vector3(1, 2, 3) + forward), glm::vec3(0, 0, -1));
        ExpectNear(Cross(view.Column(0), view.Column(1)), ToGlm(view.Column(2)));
    }
}
