#include "Rotations.h"

#include <cmath>

namespace AssetGen {

using Math::Quaternion;
using Math::Vector3;

Quaternion FromBasis(const Vector3& x, const Vector3& y, const Vector3& z) {
    // Matrix to quaternion, taking the largest of the four candidate components for stability.
    const float trace = x.x + y.y + z.z;
    Quaternion q;
    if (trace > 0.0f) {
        const float r = std::sqrt(1.0f + trace) * 2.0f;
        q.s = 0.25f * r;
        q.v = Vector3((y.z - z.y) / r, (z.x - x.z) / r, (x.y - y.x) / r);
    } else if (x.x > y.y && x.x > z.z) {
        const float r = std::sqrt(1.0f + x.x - y.y - z.z) * 2.0f;
        q.s = (y.z - z.y) / r;
        q.v = Vector3(0.25f * r, (y.x + x.y) / r, (z.x + x.z) / r);
    } else if (y.y > z.z) {
        const float r = std::sqrt(1.0f + y.y - x.x - z.z) * 2.0f;
        q.s = (z.x - x.z) / r;
        q.v = Vector3((y.x + x.y) / r, 0.25f * r, (z.y + y.z) / r);
    } else {
        const float r = std::sqrt(1.0f + z.z - x.x - y.y) * 2.0f;
        q.s = (x.y - y.x) / r;
        q.v = Vector3((z.x + x.z) / r, (z.y + y.z) / r, 0.25f * r);
    }
    q.Normalize();
    return q;
}

Quaternion FromTo(const Vector3& from, const Vector3& to) {
    const float cosine = Math::Dot(from, to);
    if (cosine < -0.9999f) {
        // Opposite directions: any perpendicular axis turns one onto the other.
        Vector3 axis = Math::Cross(from, Vector3::unit_x);
        if (Math::Length(axis) < 1e-3f) {
            axis = Math::Cross(from, Vector3::unit_y);
        }
        return Quaternion(kPi, axis);
    }
    Quaternion q(Math::Cross(from, to), 1.0f + cosine);
    q.Normalize();
    return q;
}

Quaternion JointRotation(const Vector3& angles) {
    return Quaternion::RotateY(angles.y) * Quaternion::RotateX(angles.x) * Quaternion::RotateZ(angles.z);
}

Vector3 PerpendicularPart(const Vector3& v, const Vector3& axis) {
    return Math::Normalized(v - axis * Math::Dot(v, axis));
}

}  // namespace AssetGen
