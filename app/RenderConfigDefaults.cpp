#include "app/RenderConfigDefaults.h"

#include "app/WindowLayout.h"

void FillRenderConfig(RenderInterface::RenderConfig& config) {
    config.width = static_cast<float>(MainWindowWidth);
    config.height = static_cast<float>(MainWindowHeight);
    config.swapInterval = 1;
    config.fullscreen = 0;
    config.debugOutput = 0;
    config.settings = RenderInterface::RenderSettings();
}
