#include "MathTestSupport.h"

using Math::Quaternion;
using Math::Vector3;

// q and -q are the same rotation, so results are compared by what they do to vectors.
static void ExpectSameRotation(const Quaternion& actual, const Quaternion& expected) {
    for (const Vector3& axis : {Vector3::unit_x, Vector3::unit_y, Vector3::unit_z})
        ExpectNear(Rotate(actual, axis), ToGlm(Rotate(expected, axis)), 1e-4f);
}

// Axis-angle construction and the RotateX/Y/Z shorthands match glm::angleAxis (axis need not be
// unit; a zero axis gives the identity), and positive angles turn counter-clockwise.
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
    ExpectNear(Quaternion(1.0f, Vector3::zero), glm::quat(1, 0, 0, 0), 0.0f);
    ExpectNear(Rotate(Quaternion(kPi / 2, Vector3::unit_y), Vector3::unit_z), glm::vec3(1, 0, 0));
}

// Rotating a vector matches glm; a * b applies b first; products of unit quaternions stay unit.
TEST(QuaternionComposition, RightOperandActsFirstAndStaysUnit) {
    ExpectNear(Rotate(Quaternion::RotateZ(kPi / 2) * Quaternion::RotateX(kPi / 2), Vector3::unit_y),
               glm::vec3(0, 0, 1));
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const glm::quat a = random.UnitQuaternion(), b = random.UnitQuaternion();
        const Vector3 v = random.Vector();
        ExpectNear(Rotate(FromGlm(a), v), a * ToGlm(v), 1e-4f);
        const Quaternion product = FromGlm(a) * FromGlm(b);
        ExpectNear(product, a * b);
        EXPECT_NEAR(Dot(product, product), 1.0f, 1e-5f);
    }
}

// Slerp matches glm's shortest-path slerp whichever hemisphere b lies in, and stays unit.
TEST(Slerp, MatchesGlmAndStaysUnit) {
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const glm::quat a = random.UnitQuaternion(), b = random.UnitQuaternion();
        for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
            const Quaternion result = Slerp(FromGlm(a), FromGlm(b), t);
            ExpectNear(result, glm::slerp(a, b, t), 1e-4f);
            EXPECT_NEAR(Dot(result, result), 1.0f, 1e-5f);
        }
    }
}

// Ends reproduce the inputs, and b stored in the opposite hemisphere still takes the shorter arc:
// from 0.3 to 2.9 radians about y the turn at t is 0.3 + 2.6 t either way.
TEST(Slerp, EndsOppositeHemisphereAndNearlyEqualInputs) {
    const Quaternion a = Quaternion::RotateY(0.3f), b = Quaternion::RotateY(2.9f);
    ExpectNear(Slerp(a, -b, 0.0f), ToGlm(a));
    ExpectSameRotation(Slerp(a, -b, 1.0f), b);
    for (float t = 0.0f; t <= 1.0f; t += 0.1f) {
        ExpectSameRotation(Slerp(a, b, t), Quaternion::RotateY(0.3f + 2.6f * t));
        ExpectSameRotation(Slerp(a, -b, t), Quaternion::RotateY(0.3f + 2.6f * t));
    }
    // Equal or nearly equal inputs, where sin(theta) vanishes, still give finite unit rotations between.
    const Quaternion c = Quaternion(1.1f, Vector3(0, 1, 1));
    ExpectNear(Slerp(c, c, 0.5f), ToGlm(c));
    for (const float angle : {1e-3f, 0.06f}) {
        for (float t = 0.0f; t <= 1.0f; t += 0.25f) {
            const Quaternion result = Slerp(c, Quaternion::RotateX(angle) * c, t);
            EXPECT_NEAR(Dot(result, result), 1.0f, 1e-6f);
            ExpectSameRotation(result, Quaternion::RotateX(angle * t) * c);
        }
    }
}
