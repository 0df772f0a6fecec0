#include "MathTestSupport.h"

using Math::Vector3;

// Cross and Dot agree with glm, and Cross is right-handed (x cross y = z).
TEST(VectorProducts, MatchGlmAndAreRightHanded) {
    EXPECT_EQ(Cross(Vector3::unit_x, Vector3::unit_y), Vector3::unit_z);
    EXPECT_EQ(Cross(Vector3::unit_y, Vector3::unit_z), Vector3::unit_x);
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const Vector3 a = random.Vector(), b = random.Vector();
        ExpectNear(Cross(a, b), glm::cross(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Dot(a, b), glm::dot(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Length(a), glm::length(ToGlm(a)), 1e-5f);
    }
}

// Normalising gives glm's unit vector, in place and as a copy.
TEST(VectorNormalize, MatchesGlm) {
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        Vector3 a = random.Vector();
        ExpectNear(Normalized(a), glm::normalize(ToGlm(a)));
        a.Normalize();
        EXPECT_NEAR(a.Length(), 1.0f, 1e-6f);
    }
}

// The zero vector stays zero instead of turning into NaNs.
TEST(VectorNormalize, ZeroStaysZero) {
    EXPECT_EQ(Normalized(Vector3::zero), Vector3::zero);
    Vector3 v = Vector3::zero;
    v.Normalize();
    EXPECT_EQ(v, Vector3::zero);
}

// Vectors whose squared length under- or overflows a float still normalise (3-4-5 triangle).
TEST(VectorNormalize, ExtremeMagnitudesGiveUnitVectors) {
    ExpectNear(Normalized(Vector3(3e-30f, 4e-30f, 0.0f)), glm::vec3(0.6f, 0.8f, 0.0f));
    ExpectNear(Normalized(Vector3(0.0f, -3e30f, 4e30f)), glm::vec3(0.0f, -0.6f, 0.8f));
}

// Lerp reproduces both ends exactly and moves linearly between them.
TEST(VectorLerp, HitsEndsAndMidpoint) {
    const Vector3 a(0.1f, -7.3f, 1e6f), b(3.7f, 2.2f, -0.3f);
    EXPECT_EQ(Lerp(a, b, 0.0f), a);
    EXPECT_EQ(Lerp(a, b, 1.0f), b);
    ExpectNear(Lerp(Vector3(0, 2, 4), Vector3(2, 6, -4), 0.25f), glm::vec3(0.5f, 3.0f, 2.0f));
}
