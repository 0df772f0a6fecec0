#include "MathTestSupport.h"

#include <glm/gtc/matrix_transform.hpp>

#include <string>

using Math::Matrix4;
using Math::Vector3;

// Perspective matches glm's right-handed, [-1, 1]-depth projection; the near and far
// planes straight ahead (-z) land on depth -1 and +1.
TEST(Perspective, MatchesGlmAndMapsDepthRange) {
    const Matrix4 p = Matrix4::Perspective(1.2f, 1.75f, 0.5f, 200.0f);
    ExpectNear(p, glm::perspectiveRH_NO(1.2f, 1.75f, 0.5f, 200.0f));
    const Math::Vector4 nearPoint = p * Math::Vector4(0.0f, 0.0f, -0.5f, 1.0f);
    const Math::Vector4 farPoint = p * Math::Vector4(0.0f, 0.0f, -200.0f, 1.0f);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-5f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-4f);
    EXPECT_GT(nearPoint.w, 0.0f);
}

// An impossible frustum is reported on stderr and gives the identity, not infinities.
TEST(Perspective, InvalidFrustumIsReported) {
    for (const auto& args : {glm::vec4(1.0f, 0.0f, 0.1f, 10.0f), glm::vec4(1.0f, 1.0f, 5.0f, 5.0f),
                             glm::vec4(0.0f, 1.0f, 0.1f, 10.0f)}) {
        testing::internal::CaptureStderr();
        const Matrix4 p = Matrix4::Perspective(args.x, args.y, args.z, args.w);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("Perspective"), std::string::npos);
        ExpectNear(p, glm::mat4(1.0f), 0.0f);
    }
}

// LookAt matches glm's view matrix: the eye goes to the origin and forward to -z.
TEST(LookAt, MatchesGlmView) {
    RandomInputs random;
    for (int i = 0; i < 50; ++i) {
        const Vector3 eye = random.Vector(), forward = random.Vector();
        const Matrix4 view = Matrix4::LookAt(eye, forward, Vector3::unit_y);
        ExpectNear(view, glm::lookAtRH(ToGlm(eye), ToGlm(eye + forward), glm::vec3(0, 1, 0)), 1e-4f);
        ExpectNear(TransformPoint(view, eye), glm::vec3(0.0f), 1e-4f);
        ExpectNear(TransformDirection(view, forward), glm::vec3(0, 0, -Length(forward)), 1e-4f);
    }
}

// Looking straight up or down, where up gives no right axis, still yields a proper rotation.
TEST(LookAt, ForwardAlongUpStaysOrthonormal) {
    for (const Vector3& forward : {Vector3::unit_y, -Vector3::unit_y}) {
        const Vector3 eye(1, 2, 3);
        const Matrix4 view = Matrix4::LookAt(eye, forward, Vector3::unit_y);
        ExpectNear(TransformPoint(view, eye + forward), glm::vec3(0, 0, -1));
        const Vector3 x = view.Column(0), y = view.Column(1), z = view.Column(2);
        EXPECT_NEAR(Dot(x, x), 1.0f, 1e-6f);
        EXPECT_NEAR(Dot(x, y), 0.0f, 1e-6f);
        ExpectNear(Cross(x, y), ToGlm(z));
    }
}
