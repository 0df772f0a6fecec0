#pragma once
#include <RenderInterface/RenderConfig.h>

// Fills the record handed to the renderer at start-up: the window's size, one vertical blank
// per Present, windowed, no GL debug output, and the look settings at their defaults.
void FillRenderConfig(RenderInterface::RenderConfig& config);
