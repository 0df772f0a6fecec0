// Vantor: start-up, the frame loop until the user quits, teardown.
#include "app/Application.h"
#include "app/FrameLoop.h"
#include "app/RenderConfigDefaults.h"

int main(int, char**) {
    RenderInterface::RenderConfig config;
    FillRenderConfig(config);
    return RunApplication(config, RunFrameLoop);
}
