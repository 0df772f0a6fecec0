#include "ByteReader.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sstream>

namespace Assets {

namespace {

// Unit quaternions written as floats drift a little; anything further off was not meant as a rotation.
constexpr float kUnitLengthTolerance = 1e-3f;

std::string Number(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

}  // namespace

bool ByteReader::FailAt(std::uint64_t at, const std::string& reason) {
    if (error.empty()) {
        error = reason + " (at byte " + std::to_string(at) + ")";
    }
    return false;
}

const std::uint8_t* ByteReader::Take(std::uint64_t count, const char* field) {
    if (!error.empty()) {
        return nullptr;
    }
    fieldStart = offset;
    if (count > Remaining()) {
        Fail(std::string("truncated: ") + field + " needs " + std::to_string(count) + " bytes, " +
             std::to_string(Remaining()) + " left");
        return nullptr;
    }
    offset += count;
    if (file == nullptr) {
        return data + fieldStart;
    }
    scratch.resize(static_cast<std::size_t>(count));
    if (count > 0 && std::fread(scratch.data(), 1, scratch.size(), file) != scratch.size()) {
        Fail(std::string("reading the file failed: ") + (std::ferror(file) ? std::strerror(errno) : "it got shorter"));
        return nullptr;
    }
    return scratch.data();
}

bool ByteReader::Magic(const char (&magic)[5], const char* format) {
    const std::uint8_t* found = Take(4, "magic");
    if (found != nullptr && std::memcmp(found, magic, 4) != 0) {
        return Fail(std::string("bad magic: not ") + format + " data");
    }
    return found != nullptr;
}

bool ByteReader::Header(const char (&magic)[5], std::uint32_t version, const char* format) {
    std::uint32_t foundVersion = 0;
    if (!(Magic(magic, format) && U32(foundVersion, "version"))) {
        return false;
    }
    if (foundVersion != version) {
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

bool ByteReader::Count(std::uint32_t& value, const char* field, std::uint32_t minimum, std::uint32_t maximum,
                       std::uint64_t recordSize) {
    if (!U32(value, field)) {
        return false;
    }
    if (value < minimum || value > maximum) {
        return Fail(std::string(field) + " " + std::to_string(value) + " outside " + std::to_string(minimum) +
                    ".." + std::to_string(maximum));
    }
    return CountFits(value, recordSize, field);
}

bool ByteReader::Float(float& value, const char* field, float limit) {
    std::uint32_t bits = 0;
    if (!U32(bits, field)) {
        return false;
    }
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        return Fail(std::string(field) + " is not a finite number");
    }
    if (std::fabs(value) > limit) {
        return Fail(std::string(field) + " " + Number(value) + " exceeds the limit of " + Number(limit) +
                    " in magnitude");
    }
    return true;
}

bool ByteReader::Vec2(Math::Vector2& value, const char* field) {
    return Float(value.x, field) && Float(value.y, field);
}

bool ByteReader::Vec3(Math::Vector3& value, const char* field, float limit) {
    return Float(value.x, field, limit) && Float(value.y, field, limit) && Float(value.z, field, limit);
}

bool ByteReader::UnitQuaternion(Math::Quaternion& value, const char* field) {
    const std::uint64_t start = offset;
    if (!(Vec3(value.v, field) && Float(value.s, field))) {
        return false;
    }
    const double lengthSquared = static_cast<double>(value.v.x) * value.v.x +
                                 static_cast<double>(value.v.y) * value.v.y +
                                 static_cast<double>(value.v.z) * value.v.z + static_cast<double>(value.s) * value.s;
    if (std::fabs(std::sqrt(lengthSquared) - 1.0) > kUnitLengthTolerance) {
        return FailAt(start, std::string(field) + " is not a unit quaternion");
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
    if (file == nullptr || !error.empty() || count > Remaining()) {
        return Take(count, field) != nullptr;
    }
    fieldStart = offset;
    if (::fseeko(file, static_cast<off_t>(count), SEEK_CUR) != 0) {
        return Fail(std::string("reading the file failed: ") + std::strerror(errno));
    }
    offset += count;
    return true;
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

bool ByteReader::ExactRest(std::uint64_t count, std::uint64_t declaredAt) {
    if (!error.empty()) {
        return false;
    }
    if (Remaining() < count) {
        return FailAt(declaredAt, "truncated: the header declares " + std::to_string(count) + " more bytes, " +
                                      std::to_string(Remaining()) + " left");
    }
    if (Remaining() > count) {
        return FailAt(offset + count, std::to_string(Remaining() - count) + " unexpected bytes after the end of the data");
    }
    return true;
}

bool ByteReader::AtEnd() { return ExactRest(0, offset); }

}  // namespace Assets
