#pragma once
// Bounded little-endian reading of a file held in memory. Every read checks the bytes left
// first, so a reader built on it cannot run past the end of a truncated file. The first
// failure is kept as a message naming the field and its byte offset; later reads keep failing.
#include <cstddef>
#include <cstdint>
#include <string>

#include <Assets/Formats.h>

namespace Assets {

class ByteReader {
public:
    explicit ByteReader(const Bytes& bytes) : bytes(bytes) {}

    // The 4-byte magic that opens a file of the named format.
    bool Magic(const char (&magic)[5], const char* format);
    // The magic and the 32-bit version that open each of our own formats.
    bool Header(const char (&magic)[5], std::uint32_t version, const char* format);

    bool U8(std::uint8_t& value, const char* field);
    bool U32(std::uint32_t& value, const char* field);
    bool I32(std::int32_t& value, const char* field);
    // Finite values only: NaN and infinities are refused.
    bool Float(float& value, const char* field);
    bool Vec2(Math::Vector2& value, const char* field);
    bool Vec3(Math::Vector3& value, const char* field);
    // Stored x, y, z, w; must have unit length.
    bool UnitQuaternion(Math::Quaternion& value, const char* field);
    bool Matrix(Math::Matrix4& value, const char* field);
    bool Raw(std::uint8_t* out, std::size_t count, const char* field);
    bool Skip(std::uint64_t count, const char* field);

    // Refuses a count of records that cannot fit in the bytes left, before anything is
    // allocated for them; the product is formed without overflow.
    bool CountFits(std::uint64_t count, std::uint64_t recordSize, const char* field);
    // Refuses bytes after the last record.
    bool AtEnd();

    // Records a failure at the current offset; always returns false.
    bool Fail(const std::string& reason);

    std::size_t Remaining() const { return bytes.size() - offset; }
    const std::string& Error() const { return error; }

private:
    const std::uint8_t* Take(std::uint64_t count, const char* field);

    const Bytes& bytes;
    std::size_t offset = 0;
    std::string error;
};

}  // namespace Assets
