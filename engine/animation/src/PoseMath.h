#pragma once
// The few maths operations of the pose loops, inline so that they compile into the loops
// instead of calling across the maths library's boundary.
#include <cmath>
#include <cstring>

#include <Math/Math.h>

namespace Animation {
namespace PoseMath {

// The maths library's constructors are not inline, so results are filled field by field.
inline Math::Vector3 Lerp(const Math::Vector3& a, const Math::Vector3& b, float t) {
    Math::Vector3 r;
    r.x = a.x + (b.x - a.x) * t;
    r.y = a.y + (b.y - a.y) * t;
    r.z = a.z + (b.z - a.z) * t;
    return r;
}

inline float Dot(const Math::Quaternion& a, const Math::Quaternion& b) {
    return a.v.x * b.v.x + a.v.y * b.v.y + a.v.z * b.v.z + a.s * b.s;
}

inline Math::Quaternion Combine(const Math::Quaternion& a, float wa, const Math::Quaternion& b, float wb) {
    Math::Quaternion r;
    r.v.x = a.v.x * wa + b.v.x * wb;
    r.v.y = a.v.y * wa + b.v.y * wb;
    r.v.z = a.v.z * wa + b.v.z * wb;
    r.s = a.s * wa + b.s * wb;
    return r;
}

// sin(t θ) / sin θ for t in [0, 1] from cos θ, by its series in (cos θ - 1): term i is term
// i - 1 times (t² - i²) / (i (2i + 1)) times (cos θ - 1). t = 0 and t = 1 come out exactly as 0
// and 1. In single precision the error (measured against double) stays below 5e-7 with 2 terms
// up to θ = 0.2 and with 6 terms up to a quarter turn.
template <int Terms>
inline float SineRatio(float cosine, float t) {
    const float xm1 = cosine - 1.0f;
    const float tt = t * t;
    float sum = 1.0f;
    for (int i = Terms; i >= 1; --i) {
        const float fi = static_cast<float>(i);
        // Both coefficients fold to constants: a multiplication, not a division, per term.
        sum = 1.0f + (tt * (1.0f / (fi * (2.0f * fi + 1.0f))) - fi / (2.0f * fi + 1.0f)) * xm1 * sum;
    }
    return t * sum;
}

// b is scaled by `sign` (±1), which puts it on a's hemisphere.
template <int Terms>
inline Math::Quaternion SeriesSlerp(const Math::Quaternion& a, const Math::Quaternion& b, float sign, float cosine,
                                    float t) {
    return Combine(a, SineRatio<Terms>(cosine, 1.0f - t), b, sign * SineRatio<Terms>(cosine, t));
}

// Spherical interpolation along the shorter arc without trigonometry, within 1e-6 of the exact
// slerp of unit quaternions over every angle. Near keys (the usual case) take the short series;
// arcs of more than a quarter turn are split at their midpoint (the normalised sum), so the
// series always works where it converges fast.
inline Math::Quaternion Slerp(const Math::Quaternion& a, const Math::Quaternion& b, float t) {
    constexpr float kSmallAngleCosine = 0.98006658f;   // cos 0.2
    constexpr float kQuarterTurnCosine = 0.70710677f;  // cos(π / 4)
    const float dot = PoseMath::Dot(a, b);
    const float sign = dot < 0.0f ? -1.0f : 1.0f;
    const float cosine = std::fabs(dot);
    if (cosine >= kSmallAngleCosine) {
        return SeriesSlerp<2>(a, b, sign, cosine, t);
    }
    if (cosine >= kQuarterTurnCosine) {
        return SeriesSlerp<6>(a, b, sign, cosine, t);
    }
    // |a + b| = sqrt(2 + 2 cos θ); the midpoint is at θ / 2 from both ends.
    const float toMid = 1.0f / std::sqrt(2.0f + 2.0f * cosine);
    const Math::Quaternion mid = Combine(a, toMid, b, sign * toMid);
    const float halfCosine = (1.0f + cosine) * toMid;  // cos(θ / 2)
    return t < 0.5f ? SeriesSlerp<6>(a, mid, 1.0f, halfCosine, 2.0f * t)
                    : SeriesSlerp<6>(mid, b, sign, halfCosine, 2.0f * t - 1.0f);
}

// Four floats in one register, through the compiler's portable vector extension.
using Float4 = float __attribute__((vector_size(16)));

inline Float4 Load(const float* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void Store(float* p, Float4 v) { std::memcpy(p, &v, sizeof v); }

// The three upper rows of translation * rotation * scale; the last row is (0, 0, 0, 1).
inline void ComposeTRS(const Math::VQS& pose, Float4 rows[3]) {
    const float x = pose.rotation.v.x, y = pose.rotation.v.y, z = pose.rotation.v.z, w = pose.rotation.s;
    const float sx = pose.scale.x, sy = pose.scale.y, sz = pose.scale.z;
    rows[0] = Float4{(1.0f - 2.0f * (y * y + z * z)) * sx, 2.0f * (x * y - z * w) * sy, 2.0f * (x * z + y * w) * sz,
                     pose.translation.x};
    rows[1] = Float4{2.0f * (x * y + z * w) * sx, (1.0f - 2.0f * (x * x + z * z)) * sy, 2.0f * (y * z - x * w) * sz,
                     pose.translation.y};
    rows[2] = Float4{2.0f * (x * z - y * w) * sx, 2.0f * (y * z + x * w) * sy, (1.0f - 2.0f * (x * x + y * y)) * sz,
                     pose.translation.z};
}

// a * b for a whose last row is (0, 0, 0, 1), given b's rows: the product's last row is b's.
inline void MultiplyAffine(const Math::Matrix4& a, const Float4 b[4], Math::Matrix4& out) {
    for (int row = 0; row < 3; ++row) {
        const float* r = a.m + row * 4;
        Store(out.m + row * 4, r[0] * b[0] + r[1] * b[1] + r[2] * b[2] + r[3] * b[3]);
    }
    Store(out.m + 12, b[3]);
}

}  // namespace PoseMath
}  // namespace Animation
