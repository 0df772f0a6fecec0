#pragma once
// Small single-precision value types for animation and rendering.
//
// Conventions used throughout the project:
// - Matrices act on column vectors (p' = M * p). Matrix4 stores 16 floats row by row:
//   element (row, column) is m[row * 4 + column], so the translation of an affine matrix
//   sits in m[3], m[7], m[11] and the axes of a rotation are its columns.
// - Right-handed coordinates, y up. Cross(unit_x, unit_y) == unit_z.
// - Angles are in radians. A positive angle turns counter-clockwise when looking
//   down the axis towards the origin.
// - Quaternion is a vector part followed by a scalar part; q * r applies r first, then q.

namespace Math {

struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;

    Vector2() = default;
    Vector2(float x, float y);
    void Set(float newX, float newY);
};

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vector3() = default;
    Vector3(float x, float y, float z);
    void Set(float newX, float newY, float newZ);

    Vector3& operator+=(const Vector3& other);
    Vector3& operator-=(const Vector3& other);
    Vector3& operator*=(float factor);

    float Length() const;
    // Scales this vector to unit length. A zero vector stays zero (no NaNs).
    void Normalize();

    static const Vector3 zero;
    static const Vector3 one;
    static const Vector3 unit_x;
    static const Vector3 unit_y;
    static const Vector3 unit_z;
};

Vector3 operator+(const Vector3& a, const Vector3& b);
Vector3 operator-(const Vector3& a, const Vector3& b);
Vector3 operator-(const Vector3& v);
Vector3 operator*(const Vector3& v, float factor);
Vector3 operator*(float factor, const Vector3& v);
bool operator==(const Vector3& a, const Vector3& b);
bool operator!=(const Vector3& a, const Vector3& b);

float Dot(const Vector3& a, const Vector3& b);
Vector3 Cross(const Vector3& a, const Vector3& b);
float Length(const Vector3& v);
// Unit-length copy of v. The zero vector yields the zero vector rather than NaNs,
// so callers can test the result instead of guarding the division themselves.
Vector3 Normalized(const Vector3& v);
// Linear interpolation: a at t = 0, b at t = 1; t is not clamped.
Vector3 Lerp(const Vector3& a, const Vector3& b, float t);

struct Vector4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    Vector4() = default;
    Vector4(float x, float y, float z, float w);
    Vector4(const Vector3& xyz, float w);
    void Set(float newX, float newY, float newZ, float newW);

    static const Vector4 zero;
    static const Vector4 one;
    static const Vector4 unit_x;
    static const Vector4 unit_y;
    static const Vector4 unit_z;
    static const Vector4 unit_w;
};

bool operator==(const Vector4& a, const Vector4& b);

struct Quaternion {
    Vector3 v;        // vector part
    float s = 1.0f;   // scalar part; the default quaternion is the identity rotation

    Quaternion() = default;
    Quaternion(const Vector3& vectorPart, float scalarPart);
    // Rotation by `angle` radians about `axis`. The axis is normalised here; a zero
    // axis gives the identity.
    Quaternion(float angle, const Vector3& axis);

    Quaternion& operator*=(const Quaternion& other);
    // Scales to unit length. A zero quaternion becomes the identity.
    void Normalize();

    static Quaternion RotateX(float angle);
    static Quaternion RotateY(float angle);
    static Quaternion RotateZ(float angle);

    static const Quaternion identity;
};

// Composition: (a * b) rotates by b first, then by a.
Quaternion operator*(const Quaternion& a, const Quaternion& b);
Quaternion operator-(const Quaternion& q);
float Dot(const Quaternion& a, const Quaternion& b);
Quaternion Conjugate(const Quaternion& q);
// Rotates a vector by a unit quaternion.
Vector3 Rotate(const Quaternion& q, const Vector3& v);
// Spherical interpolation along the shorter arc: a at t = 0, b (or -b, the same
// rotation) at t = 1. Falls back to a normalised linear blend when the two are
// nearly equal, where the spherical formula loses precision.
Quaternion Slerp(const Quaternion& a, const Quaternion& b, float t);

struct Matrix4 {
    float m[16] = {1, 0, 0, 0,  0, 1, 0, 0,  0, 0, 1, 0,  0, 0, 0, 1};

    Matrix4() = default;  // identity
    float& operator[](int index) { return m[index]; }
    const float& operator[](int index) const { return m[index]; }

    // Column k as a vector: (m[k], m[4 + k], m[8 + k]).
    Vector3 Column(int k) const;

    // Translation * Rotation * Scale: scales first, then rotates, then translates.
    static Matrix4 TRS(const Vector3& t, const Quaternion& r, const Vector3& s);
    // OpenGL-style clip transform for a camera looking down its -z axis; depth maps to [-1, 1].
    static Matrix4 Perspective(float fovY, float aspect, float nearPlane, float farPlane);
    // View matrix of a camera at `eye` looking along `forward` with `up` roughly upwards.
    static Matrix4 LookAt(const Vector3& eye, const Vector3& forward, const Vector3& up);

    static const Matrix4 identity;
};

Matrix4 operator*(const Matrix4& a, const Matrix4& b);
Vector4 operator*(const Matrix4& m, const Vector4& v);
// Transforms a point (w = 1) and a direction (w = 0) by an affine matrix.
Vector3 TransformPoint(const Matrix4& m, const Vector3& p);
Vector3 TransformDirection(const Matrix4& m, const Vector3& d);
Matrix4 Transpose(const Matrix4& m);
// General 4x4 inverse. A singular matrix yields the identity.
Matrix4 Inverse(const Matrix4& m);
// Rotation matrix of a unit quaternion.
Matrix4 ToMatrix4(const Quaternion& q);

// One bone's local pose: translation, rotation and (per-axis) scale.
struct VQS {
    Vector3 translation;
    Quaternion rotation;
    Vector3 scale = Vector3(1.0f, 1.0f, 1.0f);
};

// TRS matrix of a pose.
Matrix4 ToMatrix4(const VQS& pose);

}  // namespace Math
