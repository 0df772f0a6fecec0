// The config record is read as raw bytes: every member sits at its agreed offset with its agreed
// little-endian encoding. The expected bytes are written out by hand.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include <RenderInterface/RenderConfig.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RenderConfigLayout, StartUpRecordHasTheAgreedBytes) {
    static_assert(sizeof(RenderInterface::RenderConfig) == 68);
    RenderInterface::RenderConfig config;  // as main fills it
    config.width = 1400.0f;
    config.height = 800.0f;
    config.swapInterval = 1;
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&config);
    const Bytes expected = {
        0x00, 0x00, 0xaf, 0x44, 0x00, 0x00, 0x48, 0x44, 0x01, 0x00, 0x00, 0x00,  // 1400.0f, 800.0f, 1
        0x00, 0x00, 0x00, 0x00,                                                  // flags, padding
        1, 0, 0, 1, 1, 0, 1, 0,                                                  // switches, padding
        0x66, 0x66, 0xa6, 0x3f, 0x00, 0x00, 0x00, 0x3f, 0x0a, 0xd7, 0x23, 0x3b,  // 1.3f, 0.5f, 0.0025f
        0x00, 0x00, 0x80, 0x3f, 0x9a, 0x99, 0x99, 0x3f, 0x00, 0x00, 0xe0, 0x3f,  // 1.0f, 1.2f, 1.75f
        0x66, 0x66, 0x26, 0x3f, 0x00, 0x00, 0x96, 0xc3, 0x00, 0x00, 0xc8, 0x42,  // 0.65f, -300.0f, 100.0f
        0x00, 0x00, 0x80, 0xbf, 0x00, 0x00, 0x48, 0xc4};                         // -1.0f, -800.0f
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i == 14 || i == 15 || i == 23) continue;  // padding
        EXPECT_EQ(raw[i], expected[i]) << "byte " << i;
    }
}

}  // namespace
