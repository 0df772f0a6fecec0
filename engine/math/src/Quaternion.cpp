// Quaternion rotations: construction, composition and interpolation.
#include "Math/Math.h"

#include <cmath>

namespace Math {

namespace {

// Above this cosine the two rotations are so close that sin(theta) is dominated by
// rounding, and a normalised linear blend is both cheaper and more accurate.
constexpr float kNearlyEqualCosine = 0.9995f;

Quaternion Scaled(const Quaternion& q, float factor) { return Quaternion(q.v * factor, q.s * factor); }

Quaternion Sum(const Quaternion& a, const Quaternion& b) { return Quaternion(a.v + b.v, a.s + b.s); }

}  // namespace

const Quaternion Quaternion::identity(Vector3(0.0f, 0.0f, 0.0f), 1.0f);

Quaternion::Quaternion(const Vector3& vectorPart, float scalarPart) : v(vectorPart), s(scalarPart) {}

Quaternion::Quaternion(float angle, const Vector3& axis) {
    const Vector3 unitAxis = Normalized(axis);
    if (unitAxis == Vector3::zero) {
        return;  // stays the identity
    }
    const float half = 0.5f * angle;
    v = unitAxis * std::sin(half);
    s = std::cos(half);
}

Quaternion& Quaternion::operator*=(const Quaternion& other) {
    *this = *this * other;
    return *this;
}

void Quaternion::Normalize() {
    const float length = std::sqrt(Dot(*this, *this));
    if (!(length > 0.0f) || !std::isfinite(length)) {
        *this = identity;
        return;
    }
    *this = Scaled(*this, 1.0f / length);
}

Quaternion Quaternion::RotateX(float angle) { return Quaternion(angle, Vector3::unit_x); }
Quaternion Quaternion::RotateY(float angle) { return Quaternion(angle, Vector3::unit_y); }
Quaternion Quaternion::RotateZ(float angle) { return Quaternion(angle, Vector3::unit_z); }

Quaternion operator*(const Quaternion& a, const Quaternion& b) {
    return Quaternion(a.v * b.s + b.v * a.s + Cross(a.v, b.v), a.s * b.s - Dot(a.v, b.v));
}

Quaternion operator-(const Quaternion& q) { return Quaternion(-q.v, -q.s); }

float Dot(const Quaternion& a, const Quaternion& b) { return Dot(a.v, b.v) + a.s * b.s; }

Quaternion Conjugate(const Quaternion& q) { return Quaternion(-q.v, q.s); }

Vector3 Rotate(const Quaternion& q, const Vector3& v) {
    // Expanded form of q * (v, 0) * conjugate(q) for a unit q.
    const Vector3 t = 2.0f * Cross(q.v, v);
    return v + q.s * t + Cross(q.v, t);
}

Quaternion Slerp(const Quaternion& a, const Quaternion& b, float t) {
    // q and -q are the same rotation; flipping b onto a's hemisphere takes the shorter arc.
    float cosine = Dot(a, b);
    const Quaternion target = cosine < 0.0f ? -b : b;
    cosine = std::fabs(cosine);

    if (cosine > kNearlyEqualCosine) {
        Quaternion blended = Sum(Scaled(a, 1.0f - t), Scaled(target, t));
        blended.Normalize();
        return blended;
    }

    const float theta = std::acos(cosine);
    const float sinTheta = std::sin(theta);
    const float weightA = std::sin((1.0f - t) * theta) / sinTheta;
    const float weightB = std::sin(t * theta) / sinTheta;
    return Sum(Scaled(a, weightA), Scaled(target, weightB));
}

}  // namespace Math
