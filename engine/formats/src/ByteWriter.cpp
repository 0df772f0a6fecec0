#include "ByteWriter.h"

#include <cstring>

namespace Assets {

void ByteWriter::Header(const char (&magic)[5], std::uint32_t version) {
    Raw(reinterpret_cast<const std::uint8_t*>(magic), 4);
    U32(version);
}

void ByteWriter::U32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void ByteWriter::I32(std::int32_t value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void ByteWriter::Float(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void ByteWriter::Vec2(const Math::Vector2& value) {
    Float(value.x);
    Float(value.y);
}

void ByteWriter::Vec3(const Math::Vector3& value) {
    Float(value.x);
    Float(value.y);
    Float(value.z);
}

void ByteWriter::Quaternion(const Math::Quaternion& value) {
    Vec3(value.v);
    Float(value.s);
}

void ByteWriter::Matrix(const Math::Matrix4& value) {
    for (float element : value.m) {
        Float(element);
    }
}

void ByteWriter::Raw(const std::uint8_t* data, std::size_t count) {
    out.insert(out.end(), data, data + count);
}

}  // namespace Assets
