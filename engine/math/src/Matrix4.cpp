// General 4x4 matrix algebra on row-major storage.
#include "Math/Math.h"

#include <cmath>

namespace Math {

const Matrix4 Matrix4::identity{};

Vector3 Matrix4::Column(int k) const { return Vector3(m[k], m[4 + k], m[8 + k]); }

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a[row * 4 + k] * b[k * 4 + col];
            }
            product[row * 4 + col] = sum;
        }
    }
    return product;
}

Vector4 operator*(const Matrix4& m, const Vector4& v) {
    return Vector4(m[0] * v.x + m[1] * v.y + m[2] * v.z + m[3] * v.w,
                   m[4] * v.x + m[5] * v.y + m[6] * v.z + m[7] * v.w,
                   m[8] * v.x + m[9] * v.y + m[10] * v.z + m[11] * v.w,
                   m[12] * v.x + m[13] * v.y + m[14] * v.z + m[15] * v.w);
}

Vector3 TransformPoint(const Matrix4& m, const Vector3& p) {
    const Vector4 result = m * Vector4(p, 1.0f);
    return Vector3(result.x, result.y, result.z);
}

Vector3 TransformDirection(const Matrix4& m, const Vector3& d) {
    const Vector4 result = m * Vector4(d, 0.0f);
    return Vector3(result.x, result.y, result.z);
}

Matrix4 Transpose(const Matrix4& m) {
    Matrix4 result;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            result[col * 4 + row] = m[row * 4 + col];
        }
    }
    return result;
}

Matrix4 Inverse(const Matrix4& m) {
    // Adjugate over determinant, with the cofactors built from shared 2x2 minors of
    // the top two rows (s*) and the bottom two rows (c*).
    const float s0 = m[0] * m[5] - m[4] * m[1];
    const float s1 = m[0] * m[6] - m[4] * m[2];
    const float s2 = m[0] * m[7] - m[4] * m[3];
    const float s3 = m[1] * m[6] - m[5] * m[2];
    const float s4 = m[1] * m[7] - m[5] * m[3];
    const float s5 = m[2] * m[7] - m[6] * m[3];

    const float c5 = m[10] * m[15] - m[14] * m[11];
    const float c4 = m[9] * m[15] - m[13] * m[11];
    const float c3 = m[9] * m[14] - m[13] * m[10];
    const float c2 = m[8] * m[15] - m[12] * m[11];
    const float c1 = m[8] * m[14] - m[12] * m[10];
    const float c0 = m[8] * m[13] - m[12] * m[9];

    const float det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (det == 0.0f || !std::isfinite(det)) {
        return Matrix4::identity;
    }
    const float invDet = 1.0f / det;

    Matrix4 r;
    r[0] = (m[5] * c5 - m[6] * c4 + m[7] * c3) * invDet;
    r[1] = (-m[1] * c5 + m[2] * c4 - m[3] * c3) * invDet;
    r[2] = (m[13] * s5 - m[14] * s4 + m[15] * s3) * invDet;
    r[3] = (-m[9] * s5 + m[10] * s4 - m[11] * s3) * invDet;

    r[4] = (-m[4] * c5 + m[6] * c2 - m[7] * c1) * invDet;
    r[5] = (m[0] * c5 - m[2] * c2 + m[3] * c1) * invDet;
    r[6] = (-m[12] * s5 + m[14] * s2 - m[15] * s1) * invDet;
    r[7] = (m[8] * s5 - m[10] * s2 + m[11] * s1) * invDet;

    r[8] = (m[4] * c4 - m[5] * c2 + m[7] * c0) * invDet;
    r[9] = (-m[0] * c4 + m[1] * c2 - m[3] * c0) * invDet;
    r[10] = (m[12] * s4 - m[13] * s2 + m[15] * s0) * invDet;
    r[11] = (-m[8] * s4 + m[9] * s2 - m[11] * s0) * invDet;

    r[12] = (-m[4] * c3 + m[5] * c1 - m[6] * c0) * invDet;
    r[13] = (m[0] * c3 - m[1] * c1 + m[2] * c0) * invDet;
    r[14] = (-m[12] * s3 + m[13] * s1 - m[14] * s0) * invDet;
    r[15] = (m[8] * s3 - m[9] * s1 + m[10] * s0) * invDet;
    return r;
}

}  // namespace Math
