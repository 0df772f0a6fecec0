#pragma once
// The one window the application opens, and the size the renderer and the demo start with.
constexpr const char* MainWindowTitle = "Vantor v0.0";
constexpr int MainWindowWidth = 1400;
constexpr int MainWindowHeight = 800;
