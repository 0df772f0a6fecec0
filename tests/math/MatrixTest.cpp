#include "MathTestSupport.h"

#include <glm/gtc/matrix_transform.hpp>

using Math::Matrix4;
using Math::Quaternion;
using Math::Vector3;

// Product, point transform and inverse agree with glm; a singular matrix inverts to the identity.
TEST(Matrix, ProductAndInverseMatchGlm) {
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Matrix4 a = random.Matrix(), b = random.Matrix();
        ExpectNear(a * b, ToGlm(a) * ToGlm(b), 1e-4f);
        ExpectNear(TransformPoint(a, Vector3(1, -2, 3)), glm::vec3(ToGlm(a) * glm::vec4(1, -2, 3, 1)), 1e-4f);
        ExpectNear(Inverse(a), glm::inverse(ToGlm(a)), 1e-5f);
    }
    Matrix4 singular = random.Matrix();
    singular[8] = singular[9] = singular[10] = singular[11] = 0.0f;
    ExpectNear(Inverse(singular), glm::mat4(1.0f), 0.0f);
}

// ToMatrix4 matches glm, is orthonormal and right-handed, and holds the rotated axes in its
// columns: a quarter turn about y carries the forward column from +z to +x.
TEST(Matrix, RotationIsOrthonormalWithAxesInColumns) {
    ExpectNear(Math::ToMatrix4(Quaternion(kPi / 2, Vector3::unit_y)).Column(2), glm::vec3(1, 0, 0));
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const glm::quat q = random.UnitQuaternion();
        const Matrix4 r = Math::ToMatrix4(FromGlm(q));
        ExpectNear(r, glm::mat4_cast(q));
        ExpectNear(r * Transpose(r), glm::mat4(1.0f));
        ExpectNear(Cross(r.Column(0), r.Column(1)), ToGlm(r.Column(2)));
    }
}

// TRS scales, then rotates, then translates, as glm's translate * rotate * scale; so does a VQS.
TEST(Matrix, TrsScalesThenRotatesThenTranslates) {
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

// Perspective and LookAt match glm's right-handed, [-1, 1]-depth camera; looking straight along
// up still gives a proper rotation.
TEST(Matrix, CameraMatricesMatchGlm) {
    ExpectNear(Matrix4::Perspective(1.2f, 1.75f, 0.5f, 200.0f), glm::perspectiveRH_NO(1.2f, 1.75f, 0.5f, 200.0f));
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Vector3 eye = random.Vector(), forward = random.Vector();
        ExpectNear(Matrix4::LookAt(eye, forward, Vector3::unit_y),
                   glm::lookAtRH(ToGlm(eye), ToGlm(eye + forward), glm::vec3(0, 1, 0)), 1e-4f);
    }
    for (const Vector3& forward : {Vector3::unit_y, -Vector3::unit_y}) {
        const Matrix4 view = Matrix4::LookAt(Vector3(1, 2, 3), forward, Vector3::unit_y);
        ExpectNear(TransformPoint(view, Vector3(1, 2, 3) + forward), glm::vec3(0, 0, -1));
        ExpectNear(Cross(view.Column(0), view.Column(1)), ToGlm(view.Column(2)));
    }
}
