#pragma once
// Helpers for the format tests: bytes laid out by hand as docs/formats.md describes them, fields of
// a valid file patched, refusals checked for their reason and the byte they point at, and sparse
// files to read from disk.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

#include "FormatSamples.h"

namespace FormatTest {

const float kNaN = std::numeric_limits<float>::quiet_NaN(), kInfinity = std::numeric_limits<float>::infinity();

inline std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return bits;
}

// Appends little-endian fields, so expected files can be written out field by field.
struct HandBytes {
    Assets::Bytes bytes;
    HandBytes& U8(std::uint8_t value) { bytes.push_back(value); return *this; }
    HandBytes& Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) U8(static_cast<std::uint8_t>(*c));
        return *this;
    }
    HandBytes& U32(std::uint32_t value) { return U8(value & 0xFF).U8(value >> 8 & 0xFF).U8(value >> 16 & 0xFF).U8(value >> 24); }
    HandBytes& F32(float value) { return U32(Bits(value)); }
};

// A file in the temporary folder holding `head`, then a hole (no disk used) up to `size` bytes.
inline std::string TemporaryFile(const std::string& name, const Assets::Bytes& head, std::uint64_t size) {
    const std::string path = (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + name)).string();
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, head, error)) << error;
    std::filesystem::resize_file(path, size);
    return path;
}

template <typename Data>
using Reader = bool (*)(const Assets::Bytes&, Data&, std::string&);

// The reader must refuse `bytes` with a message that contains `reason` and, unless `at` is
// SIZE_MAX, points at byte `at`.
template <typename Data>
::testing::AssertionResult Refuses(Reader<Data> read, const Assets::Bytes& bytes, const std::string& reason, std::size_t at = SIZE_MAX) {
    Data data;
    std::string error;
    if (read(bytes, data, error)) return ::testing::AssertionFailure() << "accepted; expected '" << reason << "'";
    const bool placed = at == SIZE_MAX || error.find("(at byte " + std::to_string(at) + ")") != std::string::npos;
    return ::testing::AssertionResult(placed && error.find(reason) != std::string::npos) << "refused with '" << error << "'";
}

// 32-bit fields of a valid file overwritten (at `offset` and any `more`), the reason the reader must
// give and the byte its message must point at (by default the field at `offset`).
struct Patch {
    std::size_t offset;
    std::uint32_t value;
    const char* reason;
    std::size_t at = SIZE_MAX;
    std::vector<std::pair<std::size_t, std::uint32_t>> more = {};
};

template <typename Data>
void ExpectPatchesRefused(Reader<Data> read, const Assets::Bytes& valid, std::initializer_list<Patch> patches) {
    for (Patch patch : patches) {
        Assets::Bytes bytes = valid;
        patch.more.emplace_back(patch.offset, patch.value);
        for (const auto& [offset, value] : patch.more) {
            for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        }
        EXPECT_TRUE(Refuses(read, bytes, patch.reason, patch.at == SIZE_MAX ? patch.offset : patch.at))
            << "value " << patch.value << " at byte " << patch.offset;
    }
}

// What the writer wrote reads back and writes again to the same bytes (with the writer checked
// against hand-laid bytes, this checks every field read); every proper prefix is refused as
// truncated and one byte more as unexpected.
template <typename Data>
void ExpectRoundTripAndExactLength(Reader<Data> read, Assets::Bytes (*write)(const Data&), const Data& original) {
    const Assets::Bytes valid = write(original);
    Data data;
    std::string error;
    ASSERT_TRUE(read(valid, data, error)) << error;
    EXPECT_EQ(write(data), valid);
    for (std::size_t length = 0; length < valid.size(); ++length) {
        ASSERT_TRUE(Refuses(read, Assets::Bytes(valid.begin(), valid.begin() + length), "truncated")) << "prefix of " << length << " bytes";
    }
    Assets::Bytes longer = valid;
    longer.push_back(0);
    EXPECT_TRUE(Refuses(read, longer, "unexpected bytes"));
}

}  // namespace FormatTest
