// The record main hands to the renderer: 68 bytes whose every set byte is fixed. The expected
// bytes are the IEEE-754 little-endian encodings, worked out by hand, not read from the code.
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "app/RenderConfigDefaults.h"

namespace {

struct ExpectedBytes {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    const char* what;
};

const std::vector<ExpectedBytes> expectedConfig = {
    {0, {0x00, 0x00, 0xAF, 0x44}, "width 1400.0"},
    {4, {0x00, 0x00, 0x48, 0x44}, "height 800.0"},
    {8, {0x01, 0x00, 0x00, 0x00}, "integer 1"},
    {12, {0x00}, "byte 0"},
    {13, {0x00}, "byte 0"},
    // 14 and 15: padding, not set.
    {16, {0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01}, "settings bytes 1 0 0 1 1 0 1"},
    // 23: padding, not set.
    {24, {0x66, 0x66, 0xA6, 0x3F}, "1.3"},
    {28, {0x00, 0x00, 0x00, 0x3F}, "0.5"},
    {32, {0x0A, 0xD7, 0x23, 0x3B}, "0.0025"},
    {36, {0x00, 0x00, 0x80, 0x3F}, "1.0"},
    {40, {0x9A, 0x99, 0x99, 0x3F}, "1.2"},
    {44, {0x00, 0x00, 0xE0, 0x3F}, "1.75"},
    {48, {0x66, 0x66, 0x26, 0x3F}, "0.65"},
    {52, {0x00, 0x00, 0x96, 0xC3}, "-300.0"},
    {56, {0x00, 0x00, 0xC8, 0x42}, "100.0"},
    {60, {0x00, 0x00, 0x80, 0xBF}, "-1.0"},
    {64, {0x00, 0x00, 0x48, 0xC4}, "-800.0"},
};

std::array<std::uint8_t, 68> BytesOf(const RenderInterface::RenderConfig& config) {
    std::array<std::uint8_t, 68> bytes{};
    std::memcpy(bytes.data(), &config, bytes.size());
    return bytes;
}

void ExpectConfigBytes(const std::array<std::uint8_t, 68>& bytes) {
    for (const ExpectedBytes& field : expectedConfig) {
        for (std::size_t i = 0; i < field.bytes.size(); ++i) {
            EXPECT_EQ(bytes[field.offset + i], field.bytes[i])
                << "byte " << field.offset + i << " of " << field.what;
        }
    }
}

}  // namespace

// every byte but the padding has its fixed value once filled, whatever the record
// held before.
TEST(RenderConfigRecord, FilledRecordHoldsTheStartUpValues) {
    RenderInterface::RenderConfig config;
    std::memset(static_cast<void*>(&config), 0xA5, sizeof(config));
    FillRenderConfig(config);
    ExpectConfigBytes(BytesOf(config));
}
