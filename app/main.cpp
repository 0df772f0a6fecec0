// Vantor: start-up, the frame loop until the user quits, teardown.
#include <cstdlib>

#include "app/Application.h"
#include "app/FrameLoop.h"
#include "app/RenderConfigDefaults.h"
#include "demo/AnimationDemo.h"

int main(int, char**) {
    Application application;
    AnimationDemo demo;
    RenderInterface::RenderConfig config;
    FillRenderConfig(config);
    if (!application.Start(config, demo)) {
        return EXIT_FAILURE;
    }

    RunFrameLoop(demo);

    application.Stop(demo);
    return 0;
}
