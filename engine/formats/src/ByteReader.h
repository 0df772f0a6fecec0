#pragma once
// Bounded little-endian reading of a file, held in memory or read from disk as the parse asks
// for it. Every read checks the bytes left in the whole file first, so a reader built on it
// cannot run past the end of a truncated file, and a count can be checked against the file's
// size before anything is read or allocated for it. The first failure is kept as a message
// naming the field and the byte offset where that field starts; later reads keep failing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <Assets/Formats.h>

namespace Assets {

class ByteReader {
public:
    explicit ByteReader(const Bytes& bytes) : data(bytes.data()), size(bytes.size()) {}
    // Reads `file`, of `fileSize` bytes, from its current position as fields are asked for.
    ByteReader(std::FILE* file, std::uint64_t fileSize) : file(file), size(fileSize) {}

    // The 4-byte magic that opens a file of the named format.
    bool Magic(const char (&magic)[5], const char* format);
    // The magic and the 32-bit version that open each of our own formats.
    bool Header(const char (&magic)[5], std::uint32_t version, const char* format);

    bool U8(std::uint8_t& value, const char* field);
    bool U32(std::uint32_t& value, const char* field);
    bool I32(std::int32_t& value, const char* field);
    // A count in [minimum, maximum] whose records of `recordSize` bytes fit in the bytes left.
    bool Count(std::uint32_t& value, const char* field, std::uint32_t minimum, std::uint32_t maximum,
               std::uint64_t recordSize = 0);
    // Finite values of magnitude at most `limit` only (NaN and infinities are refused).
    bool Float(float& value, const char* field, float limit = kMaxMagnitude);
    bool Vec2(Math::Vector2& value, const char* field);
    bool Vec3(Math::Vector3& value, const char* field, float limit = kMaxMagnitude);
    // Stored x, y, z, w; must have unit length.
    bool UnitQuaternion(Math::Quaternion& value, const char* field);
    bool Matrix(Math::Matrix4& value, const char* field);
    bool Raw(std::uint8_t* out, std::size_t count, const char* field);
    bool Skip(std::uint64_t count, const char* field);

    // Refuses a count of records that cannot fit in the bytes left, before anything is
    // allocated for them; the product is formed without overflow. Reported at the count.
    bool CountFits(std::uint64_t count, std::uint64_t recordSize, const char* field);
    // Refuses a file whose rest is not exactly `count` bytes, as its header declared at `declaredAt`.
    bool ExactRest(std::uint64_t count, std::uint64_t declaredAt);
    // Refuses bytes after the last record.
    bool AtEnd();

    // Records a failure at the start of the field read last; always returns false.
    bool Fail(const std::string& reason) { return FailAt(fieldStart, reason); }
    // Records a failure at a given byte offset; always returns false.
    bool FailAt(std::uint64_t at, const std::string& reason);

    std::uint64_t Offset() const { return offset; }
    std::uint64_t Remaining() const { return size - offset; }
    const std::string& Error() const { return error; }

private:
    const std::uint8_t* Take(std::uint64_t count, const char* field);

    const std::uint8_t* data = nullptr;  // the whole file, when it is held in memory
    std::FILE* file = nullptr;           // otherwise the file, read into `scratch` a field at a time
    Bytes scratch;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t fieldStart = 0;
    std::string error;
};

}  // namespace Assets
