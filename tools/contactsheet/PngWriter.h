#pragma once
// A minimal PNG encoder: 8-bit RGBA, stored (uncompressed) deflate blocks. Enough for a
// contact sheet; any PNG viewer opens it.
#include <cstdint>
#include <string>
#include <vector>

namespace ContactSheet {

// Encodes `rgba` (width * height * 4 bytes, top row first) as a PNG file's bytes.
std::vector<std::uint8_t> EncodePng(unsigned width, unsigned height, const std::vector<std::uint8_t>& rgba);

}  // namespace ContactSheet
