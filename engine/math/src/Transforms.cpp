// Matrices built from poses and camera parameters.
#include "Math/Math.h"

#include <cmath>
#include <cstdio>

namespace Math {

Matrix4 ToMatrix4(const Quaternion& q) {
    const float x = q.v.x, y = q.v.y, z = q.v.z, w = q.s;
    Matrix4 r;
    r[0] = 1.0f - 2.0f * (y * y + z * z);
    r[1] = 2.0f * (x * y - z * w);
    r[2] = 2.0f * (x * z + y * w);
    r[4] = 2.0f * (x * y + z * w);
    r[5] = 1.0f - 2.0f * (x * x + z * z);
    r[6] = 2.0f * (y * z - x * w);
    r[8] = 2.0f * (x * z - y * w);
    r[9] = 2.0f * (y * z + x * w);
    r[10] = 1.0f - 2.0f * (x * x + y * y);
    return r;
}

Matrix4 Matrix4::TRS(const Vector3& t, const Quaternion& r, const Vector3& s) {
    // Scaling first multiplies each rotation column by its axis' factor.
    Matrix4 result = ToMatrix4(r);
    const float factors[3] = {s.x, s.y, s.z};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            result[row * 4 + col] *= factors[col];
        }
    }
    result[3] = t.x;
    result[7] = t.y;
    result[11] = t.z;
    return result;
}

Matrix4 ToMatrix4(const VQS& pose) { return Matrix4::TRS(pose.translation, pose.rotation, pose.scale); }

Matrix4 Matrix4::Perspective(float fovY, float aspect, float nearPlane, float farPlane) {
    const float pi = 3.14159265358979f;
    if (!(fovY > 0.0f && fovY < pi) || !(aspect > 0.0f) || !(nearPlane > 0.0f) || !(farPlane > nearPlane)) {
        std::fprintf(stderr,
                     "Math::Matrix4::Perspective: invalid frustum (fovY %g, aspect %g, near %g, far %g); "
                     "using the identity\n",
                     fovY, aspect, nearPlane, farPlane);
        return identity;
    }
    const float focal = 1.0f / std::tan(0.5f * fovY);
    const float depth = farPlane - nearPlane;
    Matrix4 p;
    p[0] = focal / aspect;
    p[5] = focal;
    p[10] = -(farPlane + nearPlane) / depth;
    p[11] = -2.0f * farPlane * nearPlane / depth;
    p[14] = -1.0f;
    p[15] = 0.0f;
    return p;
}

Matrix4 Matrix4::LookAt(const Vector3& eye, const Vector3& forward, const Vector3& up) {
    // A zero forward keeps the default camera orientation, looking down -z.
    const Vector3 f = forward == Vector3::zero ? -Vector3::unit_z : Normalized(forward);
    Vector3 right = Normalized(Cross(f, up));
    if (right == Vector3::zero) {
        // Looking straight along `up` (or a degenerate up): any perpendicular will do,
        // so borrow the world axis least aligned with the view direction.
        const Vector3 fallback = std::fabs(f.z) < 0.9f ? Vector3::unit_z : Vector3::unit_x;
        right = Normalized(Cross(f, fallback));
    }
    const Vector3 trueUp = Cross(right, f);

    // Rows are the camera axes (right, up, backward), so the view turns world into camera space.
    Matrix4 view;
    const Vector3 rows[3] = {right, trueUp, -f};
    for (int row = 0; row < 3; ++row) {
        view[row * 4 + 0] = rows[row].x;
        view[row * 4 + 1] = rows[row].y;
        view[row * 4 + 2] = rows[row].z;
        view[row * 4 + 3] = -Dot(rows[row], eye);
    }
    return view;
}

}  // namespace Math
