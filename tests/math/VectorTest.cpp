#include "MathTestSupport.h"

using Math::Vector3;

// Cross, Dot and Length agree with glm, and Cross is right-handed.
TEST(VectorProducts, MatchGlmAndAreRightHanded) {
    RandomInputs random;
    for (int i = 0; i < 100; ++i) {
        const Vector3 a = random.Vector(), b = random.Vector();
        ExpectNear(Cross(a, b), glm::cross(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Dot(a, b), glm::dot(ToGlm(a), ToGlm(b)), 1e-4f);
        EXPECT_NEAR(Length(a), glm::length(ToGlm(a)), 1e-5f);
    }
}

// Normalising matches glm in place and as a copy, keeps zero at zero (no NaNs), and survives
// magnitudes whose squared length under- or overflows a float (3-4-5 triangles).
TEST(VectorNormalize, MatchesGlmAndHandlesZeroAndExtremes) {
    RandomInputs random;
    for (Vector3 a : {random.Vector(), random.Vector(), random.Vector(0.01f), Vector3::zero}) {
        const glm::vec3 expected = a == Vector3::zero ? glm::vec3(0.0f) : glm::normalize(ToGlm(a));
        ExpectNear(Normalized(a), expected);
        a.Normalize();
        ExpectNear(a, expected);
    }
    ExpectNear(Normalized(Vector3(3e-30f, 4e-30f, 0.0f)), glm::vec3(0.6f, 0.8f, 0.0f));
    ExpectNear(Normalized(Vector3(0.0f, -3e30f, 4e30f)), glm::vec3(0.0f, -0.6f, 0.8f));
}
