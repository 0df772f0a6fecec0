#include "MathTestSupport.h"

#include <cmath>

using Math::Quaternion;
using Math::Vector3;

namespace {
// q and -q are the same rotation, so results are compared by what they do to vectors.
void ExpectSameRotation(const Quaternion& actual, const Quaternion& expected) {
    for (const Vector3& axis : {Vector3::unit_x, Vector3::unit_y, Vector3::unit_z})
        ExpectNear(Rotate(actual, axis), ToGlm(Rotate(expected, axis)), 1e-4f);
}
}  // namespace

// Slerp agrees with glm's shortest-path slerp, whichever hemisphere b lies in, and stays unit.
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

// t = 0 gives a and t = 1 gives b's rotation, even when b is stored in the opposite hemisphere.
TEST(Slerp, EndsReproduceInputs) {
    const Quaternion a = Quaternion(0.4f, Vector3(1, 2, 3)), b = -Quaternion(2.0f, Vector3(-1, 0, 2));
    ASSERT_LT(Dot(a, b), 0.0f);
    ExpectNear(Slerp(a, b, 0.0f), ToGlm(a));
    ExpectSameRotation(Slerp(a, b, 1.0f), b);
}

// Interpolating about one axis turns at constant speed along the shorter arc: from 0.3 to 2.9
// radians about y, t turns by 0.3 + 2.6 t; with b negated the path is the same.
TEST(Slerp, ShorterArcAtConstantSpeed) {
    const Quaternion a = Quaternion::RotateY(0.3f), b = Quaternion::RotateY(2.9f);
    for (float t = 0.0f; t <= 1.0f; t += 0.1f) {
        const Quaternion expected = Quaternion::RotateY(0.3f + 2.6f * t);
        ExpectSameRotation(Slerp(a, b, t), expected);
        ExpectSameRotation(Slerp(a, -b, t), expected);
    }
    // A small turn written as its negative must not go the long way round.
    ExpectNear(Rotate(Slerp(Quaternion::identity, -Quaternion::RotateY(0.5f), 0.5f), Vector3::unit_z),
               glm::vec3(std::sin(0.25f), 0.0f, std::cos(0.25f)));
}

// Equal or nearly equal inputs, where sin(theta) vanishes, still give finite unit rotations in between.
TEST(Slerp, NearlyEqualInputsStayFinite) {
    const Quaternion a = Quaternion(1.1f, Vector3(0, 1, 1));
    ExpectNear(Slerp(a, a, 0.5f), ToGlm(a));
    ExpectSameRotation(Slerp(a, -a, 0.5f), a);
    for (const float angle : {1e-3f, 0.06f}) {
        const Quaternion b = Quaternion::RotateX(angle) * a;
        for (float t = 0.0f; t <= 1.0f; t += 0.25f) {
            const Quaternion result = Slerp(a, b, t);
            EXPECT_NEAR(Dot(result, result), 1.0f, 1e-6f);
            ExpectSameRotation(result, Quaternion::RotateX(angle * t) * a);
        }
    }
}
