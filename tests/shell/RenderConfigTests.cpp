// The record main hands to the renderer is read as raw bytes: once filled, every member sits at
// its agreed offset with its agreed value, whatever the record held before. The expected bytes are
// the IEEE-754 little-endian encodings, worked out by hand, not read from the code.
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "app/RenderConfigDefaults.h"

TEST(RenderConfigRecord, FilledRecordHoldsTheStartUpValues) {
    RenderInterface::RenderConfig config;
    std::memset(static_cast<void*>(&config), 0xA5, sizeof(config));
    FillRenderConfig(config);
    const std::vector<std::uint8_t> expected = {
        0x00, 0x00, 0xaf, 0x44, 0x00, 0x00, 0x48, 0x44, 0x01, 0x00, 0x00, 0x00,  // 1400.0f, 800.0f, 1
        0x00, 0x00, 0, 0,                                                        // flags, padding
        1, 0, 0, 1, 1, 0, 1, 0,                                                  // switches, padding
        0x66, 0x66, 0xa6, 0x3f, 0x00, 0x00, 0x00, 0x3f, 0x0a, 0xd7, 0x23, 0x3b,  // 1.3f, 0.5f, 0.0025f
        0x00, 0x00, 0x80, 0x3f, 0x9a, 0x99, 0x99, 0x3f, 0x00, 0x00, 0xe0, 0x3f,  // 1.0f, 1.2f, 1.75f
        0x66, 0x66, 0x26, 0x3f, 0x00, 0x00, 0x96, 0xc3, 0x00, 0x00, 0xc8, 0x42,  // 0.65f, -300.0f, 100.0f
        0x00, 0x00, 0x80, 0xbf, 0x00, 0x00, 0x48, 0xc4};                         // -1.0f, -800.0f
    ASSERT_EQ(sizeof(config), expected.size());
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&config);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i != 14 && i != 15 && i != 23) {  // not the padding
            EXPECT_EQ(raw[i], expected[i]) << "byte " << i;
        }
    }
}
