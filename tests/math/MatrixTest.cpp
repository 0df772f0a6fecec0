#include "MathTestSupport.h"

#include <glm/gtc/matrix_transform.hpp>

using Math::Matrix4;
using Math::Quaternion;
using Math::Vector3;

namespace {
const float kPi = 3.14159265f;

// A random, well-conditioned general matrix (diagonally dominant).
Matrix4 RandomMatrix(RandomInputs& random) {
    Matrix4 m;
    for (float& element : m.m) element = random.Uniform(-1.0f, 1.0f);
    for (int i = 0; i < 4; ++i) m[i * 5] += 5.0f;
    return m;
}
}  // namespace

// The product composes like glm's, (a * b) p == a (b p), and transforms points the same way.
TEST(MatrixProduct, MatchesGlm) {
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Matrix4 a = RandomMatrix(random), b = RandomMatrix(random);
        const Vector3 p = random.Vector();
        ExpectNear(a * b, ToGlm(a) * ToGlm(b), 1e-4f);
        ExpectNear(TransformPoint(a, p), glm::vec3(ToGlm(a) * glm::vec4(ToGlm(p), 1.0f)), 1e-4f);
    }
}

// Inverse agrees with glm and undoes the matrix; a singular matrix yields the identity.
TEST(MatrixInverse, MatchesGlmAndUndoes) {
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Matrix4 m = RandomMatrix(random);
        ExpectNear(Inverse(m), glm::inverse(ToGlm(m)), 1e-5f);
        ExpectNear(m * Inverse(m), glm::mat4(1.0f), 1e-5f);
    }
    Matrix4 singular = RandomMatrix(random);
    for (int c = 0; c < 4; ++c) singular[8 + c] = 0.0f;  // a zero row: no inverse exists
    ExpectNear(Inverse(singular), glm::mat4(1.0f), 0.0f);
}

// Rotation matrices agree with glm, are orthonormal and right-handed, and hold their axes in columns.
TEST(RotationMatrix, OrthonormalColumnsMatchingGlm) {
    for (int k = 0; k < 3; ++k)
        ExpectNear(Math::ToMatrix4(Quaternion::identity).Column(k), glm::mat3(1.0f)[k], 0.0f);
    // A quarter turn about y carries the forward column from +z to +x.
    ExpectNear(Math::ToMatrix4(Quaternion(kPi / 2, Vector3::unit_y)).Column(2), glm::vec3(1, 0, 0));
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const glm::quat q = random.UnitQuaternion();
        const Matrix4 r = Math::ToMatrix4(FromGlm(q));
        ExpectNear(r, glm::mat4_cast(q));
        const Vector3 x = r.Column(0), y = r.Column(1), z = r.Column(2);
        EXPECT_NEAR(Dot(x, x), 1.0f, 1e-5f);
        EXPECT_NEAR(Dot(y, y), 1.0f, 1e-5f);
        EXPECT_NEAR(Dot(x, y), 0.0f, 1e-5f);
        ExpectNear(Cross(x, y), ToGlm(z));
    }
}

// TRS scales, then rotates, then translates: (1,0,0) scaled by 2 along x, turned a quarter
// about z and moved by (1,0,0) lands on (1,2,0).
TEST(TRS, ScalesThenRotatesThenTranslates) {
    const Matrix4 m = Matrix4::TRS(Vector3(1, 0, 0), Quaternion::RotateZ(kPi / 2), Vector3(2, 1, 1));
    ExpectNear(TransformPoint(m, Vector3::unit_x), glm::vec3(1, 2, 0));
    ExpectNear(TransformDirection(m, Vector3::unit_x), glm::vec3(0, 2, 0));
    const Math::VQS pose{Vector3(1, 0, 0), Quaternion::RotateZ(kPi / 2), Vector3(2, 1, 1)};
    ExpectNear(TransformPoint(Math::ToMatrix4(pose), Vector3::unit_x), glm::vec3(1, 2, 0));

    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Vector3 t = random.Vector(), s = random.Vector(3.0f);
        const glm::quat q = random.UnitQuaternion();
        const glm::mat4 expected = glm::scale(glm::translate(glm::mat4(1.0f), ToGlm(t)) * glm::mat4_cast(q), ToGlm(s));
        ExpectNear(Matrix4::TRS(t, FromGlm(q), s), expected, 1e-4f);
    }
}
