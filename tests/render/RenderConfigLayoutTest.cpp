// The config record is read by the renderer library as raw bytes: every member must sit at its
// agreed offset with its agreed little-endian encoding. The expected bytes are written out by hand.
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include <RenderInterface/RenderConfig.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const void* data, std::size_t offset, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return Bytes(bytes + offset, bytes + offset + count);
}

TEST(RenderConfigLayout, IsSixtyEightBytesWithTheSettingsAtSixteen) {
    EXPECT_EQ(sizeof(RenderInterface::RenderConfig), 68u);
    EXPECT_EQ(sizeof(RenderInterface::RenderSettings), 52u);
}

TEST(RenderConfigLayout, StartUpRecordHasTheAgreedBytes) {
    RenderInterface::RenderConfig config;
    config.width = 1400.0f;
    config.height = 800.0f;
    config.swapInterval = 1;

    EXPECT_EQ(BytesOf(&config, 0, 4), (Bytes{0x00, 0x00, 0xaf, 0x44}));  // 1400.0f
    EXPECT_EQ(BytesOf(&config, 4, 4), (Bytes{0x00, 0x00, 0x48, 0x44}));  // 800.0f
    EXPECT_EQ(BytesOf(&config, 8, 4), (Bytes{0x01, 0x00, 0x00, 0x00}));  // 1
    EXPECT_EQ(BytesOf(&config, 12, 2), (Bytes{0x00, 0x00}));
}

TEST(RenderConfigLayout, SettingsConstructorGivesTheAgreedBytes) {
    const RenderInterface::RenderConfig config;
    const std::size_t s = 16;
    EXPECT_EQ(BytesOf(&config, s + 0, 7), (Bytes{1, 0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(BytesOf(&config, s + 8, 4), (Bytes{0x66, 0x66, 0xa6, 0x3f}));   // 1.3f
    EXPECT_EQ(BytesOf(&config, s + 12, 4), (Bytes{0x00, 0x00, 0x00, 0x3f}));  // 0.5f
    EXPECT_EQ(BytesOf(&config, s + 16, 4), (Bytes{0x0a, 0xd7, 0x23, 0x3b}));  // 0.0025f
    EXPECT_EQ(BytesOf(&config, s + 20, 4), (Bytes{0x00, 0x00, 0x80, 0x3f}));  // 1.0f
    EXPECT_EQ(BytesOf(&config, s + 24, 4), (Bytes{0x9a, 0x99, 0x99, 0x3f}));  // 1.2f
    EXPECT_EQ(BytesOf(&config, s + 28, 4), (Bytes{0x00, 0x00, 0xe0, 0x3f}));  // 1.75f
    EXPECT_EQ(BytesOf(&config, s + 32, 4), (Bytes{0x66, 0x66, 0x26, 0x3f}));  // 0.65f
    EXPECT_EQ(BytesOf(&config, s + 36, 4), (Bytes{0x00, 0x00, 0x96, 0xc3}));  // -300.0f
    EXPECT_EQ(BytesOf(&config, s + 40, 4), (Bytes{0x00, 0x00, 0xc8, 0x42}));  // 100.0f
    EXPECT_EQ(BytesOf(&config, s + 44, 4), (Bytes{0x00, 0x00, 0x80, 0xbf}));  // -1.0f
    EXPECT_EQ(BytesOf(&config, s + 48, 4), (Bytes{0x00, 0x00, 0x48, 0xc4}));  // -800.0f
}

}  // namespace
