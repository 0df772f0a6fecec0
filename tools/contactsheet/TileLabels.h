#pragma once
// Captions burnt into the contact sheet's tiles with a small built-in bitmap font.
#include <cstdint>
#include <string>
#include <vector>

namespace ContactSheet {

// Draws `text` (upper-case letters, digits, space, '-', '.') at pixel (x, y) of an RGBA image,
// white with a dark outline so it reads on sky and ground alike. Other characters draw as spaces.
void DrawLabel(std::vector<std::uint8_t>& rgba, unsigned width, unsigned height, unsigned x, unsigned y,
               const std::string& text);

}  // namespace ContactSheet
