#pragma once
// Little-endian appending to a byte buffer, the writers' counterpart of ByteReader.
#include <cstddef>
#include <cstdint>

#include <Assets/Formats.h>

namespace Assets {

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out(out) {}

    void Header(const char (&magic)[5], std::uint32_t version);
    void U8(std::uint8_t value) { out.push_back(value); }
    void U32(std::uint32_t value);
    void I32(std::int32_t value);
    void Float(float value);
    void Vec2(const Math::Vector2& value);
    void Vec3(const Math::Vector3& value);
    void Quaternion(const Math::Quaternion& value);  // x, y, z, w
    void Matrix(const Math::Matrix4& value);         // row by row
    void Raw(const std::uint8_t* data, std::size_t count);

private:
    Bytes& out;
};

}  // namespace Assets
