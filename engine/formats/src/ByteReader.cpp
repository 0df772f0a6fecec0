#include "ByteReader.h"

#include <cmath>
#include <cstring>

namespace Assets {

namespace {

// Unit quaternions written as floats drift a little; anything further off was not meant as a rotation.
constexpr float kUnitLengthTolerance = 1e-3f;

}  // namespace

bool ByteReader::Fail(const std::string& reason) {
    if (error.empty()) {
        error = reason + " (at byte " + std::to_string(offset) + ")";
    }
    return false;
}

const std::uint8_t* ByteReader::Take(std::uint64_t count, const char* field) {
    if (!error.empty()) {
        return nullptr;
    }
    if (count > Remaining()) {
        Fail(std::string("truncated: ") + field + " needs " + std::to_string(count) + " bytes, " +
             std::to_string(Remaining()) + " left");
        return nullptr;
    }
    const std::uint8_t* start = bytes.data() + offset;
    offset += static_cast<std::size_t>(count);
    return start;
}

bool ByteReader::Magic(const char (&magic)[5], const char* format) {
    const std::uint8_t* found = Take(4, "magic");
    if (found == nullptr) {
        return false;
    }
    if (std::memcmp(found, magic, 4) != 0) {
        offset -= 4;
        return Fail(std::string("bad magic: not ") + format + " data");
    }
    return true;
}

bool ByteReader::Header(const char (&magic)[5], std::uint32_t version, const char* format) {
    std::uint32_t foundVersion = 0;
    if (!(Magic(magic, format) && U32(foundVersion, "version"))) {
        return false;
    }
    if (foundVersion != version) {
        offset -= 4;
        return Fail(std::string("unsupported ") + format + " version " + std::to_string(foundVersion) +
                    " (expected " + std::to_string(version) + ")");
    }
    return true;
}

bool ByteReader::U8(std::uint8_t& value, const char* field) {
    const std::uint8_t* p = Take(1, field);
    if (p == nullptr) {
        return false;
    }
    value = p[0];
    return true;
}

bool ByteReader::U32(std::uint32_t& value, const char* field) {
    const std::uint8_t* p = Take(4, field);
    if (p == nullptr) {
        return false;
    }
    value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return true;
}

bool ByteReader::I32(std::int32_t& value, const char* field) {
    std::uint32_t bits = 0;
    if (!U32(bits, field)) {
        return false;
    }
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::Float(float& value, const char* field) {
    std::uint32_t bits = 0;
    if (!U32(bits, field)) {
        return false;
    }
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        offset -= 4;
        return Fail(std::string(field) + " is not a finite number");
    }
    return true;
}

bool ByteReader::Vec2(Math::Vector2& value, const char* field) {
    return Float(value.x, field) && Float(value.y, field);
}

bool ByteReader::Vec3(Math::Vector3& value, const char* field) {
    return Float(value.x, field) && Float(value.y, field) && Float(value.z, field);
}

bool ByteReader::UnitQuaternion(Math::Quaternion& value, const char* field) {
    if (!(Vec3(value.v, field) && Float(value.s, field))) {
        return false;
    }
    const double lengthSquared = static_cast<double>(value.v.x) * value.v.x +
                                 static_cast<double>(value.v.y) * value.v.y +
                                 static_cast<double>(value.v.z) * value.v.z + static_cast<double>(value.s) * value.s;
    if (std::fabs(std::sqrt(lengthSquared) - 1.0) > kUnitLengthTolerance) {
        offset -= 16;
        return Fail(std::string(field) + " is not a unit quaternion");
    }
    return true;
}

bool ByteReader::Matrix(Math::Matrix4& value, const char* field) {
    for (float& element : value.m) {
        if (!Float(element, field)) {
            return false;
        }
    }
    return true;
}

bool ByteReader::Raw(std::uint8_t* out, std::size_t count, const char* field) {
    const std::uint8_t* p = Take(count, field);
    if (p == nullptr) {
        return false;
    }
    if (count > 0) {
        std::memcpy(out, p, count);
    }
    return true;
}

bool ByteReader::Skip(std::uint64_t count, const char* field) {
    return Take(count, field) != nullptr;
}

bool ByteReader::CountFits(std::uint64_t count, std::uint64_t recordSize, const char* field) {
    if (!error.empty()) {
        return false;
    }
    if (recordSize != 0 && count > Remaining() / recordSize) {
        return Fail(std::string("truncated or oversized: ") + field + " " + std::to_string(count) +
                    " needs more than the " + std::to_string(Remaining()) + " bytes left");
    }
    return true;
}

bool ByteReader::AtEnd() {
    if (!error.empty()) {
        return false;
    }
    if (Remaining() != 0) {
        return Fail(std::to_string(Remaining()) + " unexpected bytes after the end of the data");
    }
    return true;
}

}  // namespace Assets
