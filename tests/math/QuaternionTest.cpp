#include "MathTestSupport.h"

using Math::Quaternion;
using Math::Vector3;

namespace {
const float kPi = 3.14159265f;
}

// Axis-angle construction matches glm::angleAxis; the axis need not be unit length.
TEST(QuaternionAxisAngle, MatchesGlm) {
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Vector3 axis = random.Vector();
        const float angle = random.Uniform(-2.0f * kPi, 2.0f * kPi);
        ExpectNear(Quaternion(angle, axis), glm::angleAxis(angle, glm::normalize(ToGlm(axis))));
    }
    ExpectNear(Quaternion::RotateX(0.7f), glm::angleAxis(0.7f, glm::vec3(1, 0, 0)));
    ExpectNear(Quaternion::RotateY(-1.9f), glm::angleAxis(-1.9f, glm::vec3(0, 1, 0)));
    ExpectNear(Quaternion::RotateZ(2.5f), glm::angleAxis(2.5f, glm::vec3(0, 0, 1)));
}

// Degenerate inputs give the identity rather than NaNs.
TEST(QuaternionAxisAngle, DegenerateInputsGiveIdentity) {
    ExpectNear(Quaternion(1.0f, Vector3::zero), glm::quat(1, 0, 0, 0), 0.0f);
    Quaternion zero(Vector3::zero, 0.0f);
    zero.Normalize();
    ExpectNear(zero, glm::quat(1, 0, 0, 0), 0.0f);
}

// Positive angles turn counter-clockwise: a quarter turn about y takes +z to +x.
TEST(QuaternionRotate, QuarterTurnsFollowRightHandRule) {
    ExpectNear(Rotate(Quaternion(kPi / 2, Vector3::unit_y), Vector3::unit_z), glm::vec3(1, 0, 0));
    ExpectNear(Rotate(Quaternion::RotateZ(kPi / 2), Vector3::unit_x), glm::vec3(0, 1, 0));
    ExpectNear(Rotate(Quaternion::RotateX(kPi / 2), Vector3::unit_y), glm::vec3(0, 0, 1));
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const glm::quat q = random.UnitQuaternion();
        const Vector3 v = random.Vector();
        ExpectNear(Rotate(FromGlm(q), v), q * ToGlm(v), 1e-4f);
    }
}

// a * b applies b first: y turned a quarter about x lands on z, which a turn about z keeps.
TEST(QuaternionComposition, RightOperandActsFirst) {
    const Quaternion product = Quaternion::RotateZ(kPi / 2) * Quaternion::RotateX(kPi / 2);
    ExpectNear(Rotate(product, Vector3::unit_y), glm::vec3(0, 0, 1));
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const glm::quat a = random.UnitQuaternion(), b = random.UnitQuaternion();
        ExpectNear(FromGlm(a) * FromGlm(b), a * b);
        Quaternion accumulated = FromGlm(a);
        ExpectNear(accumulated *= FromGlm(b), a * b);
    }
}

// Composing unit quaternions keeps them unit, so chains of bone rotations do not drift.
TEST(QuaternionComposition, UnitStaysUnit) {
    RandomInputs random;
    for (int i = 0; i < 200; ++i) {
        const Quaternion q = FromGlm(random.UnitQuaternion()) * FromGlm(random.UnitQuaternion());
        EXPECT_NEAR(Dot(q, q), 1.0f, 1e-5f);
    }
}
