// Vector2, Vector3 and Vector4 arithmetic.
#include "Math/Math.h"

#include <algorithm>
#include <cmath>

namespace Math {

const Vector3 Vector3::zero(0.0f, 0.0f, 0.0f);
const Vector3 Vector3::one(1.0f, 1.0f, 1.0f);
const Vector3 Vector3::unit_x(1.0f, 0.0f, 0.0f);
const Vector3 Vector3::unit_y(0.0f, 1.0f, 0.0f);
const Vector3 Vector3::unit_z(0.0f, 0.0f, 1.0f);

const Vector4 Vector4::zero(0.0f, 0.0f, 0.0f, 0.0f);
const Vector4 Vector4::one(1.0f, 1.0f, 1.0f, 1.0f);
const Vector4 Vector4::unit_x(1.0f, 0.0f, 0.0f, 0.0f);
const Vector4 Vector4::unit_y(0.0f, 1.0f, 0.0f, 0.0f);
const Vector4 Vector4::unit_z(0.0f, 0.0f, 1.0f, 0.0f);
const Vector4 Vector4::unit_w(0.0f, 0.0f, 0.0f, 1.0f);

Vector2::Vector2(float x, float y) : x(x), y(y) {}

void Vector2::Set(float newX, float newY) {
    x = newX;
    y = newY;
}

Vector3::Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

void Vector3::Set(float newX, float newY, float newZ) {
    x = newX;
    y = newY;
    z = newZ;
}

Vector3& Vector3::operator+=(const Vector3& other) {
    x += other.x;
    y += other.y;
    z += other.z;
    return *this;
}

Vector3& Vector3::operator-=(const Vector3& other) {
    x -= other.x;
    y -= other.y;
    z -= other.z;
    return *this;
}

Vector3& Vector3::operator*=(float factor) {
    x *= factor;
    y *= factor;
    z *= factor;
    return *this;
}

float Vector3::Length() const { return std::sqrt(x * x + y * y + z * z); }

void Vector3::Normalize() {
    // Dividing by the largest component first keeps the squares from underflowing
    // for tiny vectors or overflowing for huge ones.
    const float largest = std::max({std::fabs(x), std::fabs(y), std::fabs(z)});
    if (!(largest > 0.0f)) {
        return;
    }
    *this *= 1.0f / largest;
    *this *= 1.0f / Length();
}

Vector3 operator+(const Vector3& a, const Vector3& b) { return Vector3(a.x + b.x, a.y + b.y, a.z + b.z); }
Vector3 operator-(const Vector3& a, const Vector3& b) { return Vector3(a.x - b.x, a.y - b.y, a.z - b.z); }
Vector3 operator-(const Vector3& v) { return Vector3(-v.x, -v.y, -v.z); }
Vector3 operator*(const Vector3& v, float factor) { return Vector3(v.x * factor, v.y * factor, v.z * factor); }
Vector3 operator*(float factor, const Vector3& v) { return v * factor; }
bool operator==(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
bool operator!=(const Vector3& a, const Vector3& b) { return !(a == b); }

float Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Cross(const Vector3& a, const Vector3& b) {
    return Vector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

float Length(const Vector3& v) { return v.Length(); }

Vector3 Normalized(const Vector3& v) {
    Vector3 result = v;
    result.Normalize();
    return result;
}

// Weighted as a(1 - t) + bt so both ends are reproduced exactly.
Vector3 Lerp(const Vector3& a, const Vector3& b, float t) { return a * (1.0f - t) + b * t; }

Vector4::Vector4(float x, float y, float z, float w) : x(x), y(y), z(z), w(w) {}
Vector4::Vector4(const Vector3& xyz, float w) : x(xyz.x), y(xyz.y), z(xyz.z), w(w) {}

void Vector4::Set(float newX, float newY, float newZ, float newW) {
    x = newX;
    y = newY;
    z = newZ;
    w = newW;
}

bool operator==(const Vector4& a, const Vector4& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
}

}  // namespace Math
