#pragma once

namespace RenderInterface {
class Renderer;
}

// The scene the frame loop drives: initialised once, updated once per frame, shut down once.
class Demo {
public:
    virtual ~Demo() = default;
    virtual void Init(RenderInterface::Renderer* renderer, float width, float height) = 0;
    virtual void Update() = 0;
    virtual void Shutdown() = 0;
};
