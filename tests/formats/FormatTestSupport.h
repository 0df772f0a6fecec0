#pragma once
// Helpers for the format tests: laying out bytes by hand as docs/formats.md describes them,
// patching fields of a valid file, and checking that a reader refuses for the stated reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

#include <Assets/Formats.h>

namespace FormatTest {

// Appends little-endian fields, so expected files can be written out field by field.
struct HandBytes {
    Assets::Bytes bytes;

    HandBytes& Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            bytes.push_back(static_cast<std::uint8_t>(*c));
        }
        return *this;
    }
    HandBytes& U8(std::uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    HandBytes& U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
        }
        return *this;
    }
    HandBytes& I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
    HandBytes& F32(float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, 4);
        return U32(bits);
    }
};

inline void PutU32(Assets::Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

inline std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return bits;
}

inline void PutF32(Assets::Bytes& bytes, std::size_t offset, float value) { PutU32(bytes, offset, Bits(value)); }

// One 32-bit field of a valid file overwritten, and the reason the reader must give for it.
struct Patch {
    std::size_t offset;
    std::uint32_t value;
    const char* reason;
};

// The reader must refuse `bytes` with a message that contains `reason`.
template <typename Data>
::testing::AssertionResult Refuses(bool (*read)(const Assets::Bytes&, Data&, std::string&),
                                   const Assets::Bytes& bytes, const std::string& reason) {
    Data data;
    std::string error;
    if (read(bytes, data, error)) {
        return ::testing::AssertionFailure() << "accepted; expected a refusal mentioning '" << reason << "'";
    }
    if (error.find(reason) == std::string::npos) {
        return ::testing::AssertionFailure() << "refused with '" << error << "', expected it to mention '"
                                             << reason << "'";
    }
    return ::testing::AssertionSuccess();
}

// Each patch applied alone to a valid file must be refused for its reason.
template <typename Data>
void ExpectPatchesRefused(bool (*read)(const Assets::Bytes&, Data&, std::string&), const Assets::Bytes& valid,
                          std::initializer_list<Patch> patches) {
    for (const Patch& patch : patches) {
        Assets::Bytes bytes = valid;
        PutU32(bytes, patch.offset, patch.value);
        EXPECT_TRUE(Refuses(read, bytes, patch.reason)) << "value " << patch.value << " at byte " << patch.offset;
    }
}

// The reader accepts `bytes`, and what it read writes back to the same bytes. With the
// writer's output checked against hand-laid bytes elsewhere, this checks every field read.
template <typename Data>
void ExpectReadsBackUnchanged(bool (*read)(const Assets::Bytes&, Data&, std::string&),
                              Assets::Bytes (*write)(const Data&), const Assets::Bytes& bytes) {
    Data data;
    std::string error;
    ASSERT_TRUE(read(bytes, data, error)) << error;
    EXPECT_EQ(write(data), bytes);
}

// Every proper prefix of a valid file must be refused as truncated, with a reason.
template <typename Data>
void ExpectEveryTruncationRefused(bool (*read)(const Assets::Bytes&, Data&, std::string&),
                                  const Assets::Bytes& valid) {
    for (std::size_t length = 0; length < valid.size(); ++length) {
        const Assets::Bytes prefix(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_TRUE(Refuses(read, prefix, "truncated")) << "prefix of " << length << " bytes";
    }
}

// A valid file with one byte more must be refused.
template <typename Data>
void ExpectTrailingByteRefused(bool (*read)(const Assets::Bytes&, Data&, std::string&), Assets::Bytes valid) {
    valid.push_back(0);
    EXPECT_TRUE(Refuses(read, valid, "unexpected bytes"));
}

}  // namespace FormatTest
