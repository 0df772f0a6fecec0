#pragma once
// A scene the size of the demo's, built from generated files: a sky cube map, a floor cube, a
// skinned figure of about 10,000 triangles on 50 bones with a weapon, and the demo's debug
// drawing (a 61-line path, 13 spheres, axis lines).
#include <string>
#include <vector>

#include <SDL.h>

#include <RenderInterface/Renderer.h>

class BenchScene {
public:
    // Opens an offscreen 1400 x 800 window with the renderer; check Ready() before use.
    BenchScene();
    ~BenchScene();
    BenchScene(const BenchScene&) = delete;
    BenchScene& operator=(const BenchScene&) = delete;

    bool Ready() const { return renderer != nullptr; }
    RenderInterface::Renderer& Renderer() { return *renderer; }
    // Poses the figure for a frame and queues the frame's debug drawing.
    void PrepareFrame(int frame);

private:
    void WriteAndRegisterAssets();

    std::string directory;
    SDL_Window* window = nullptr;
    RenderInterface::Renderer* renderer = nullptr;
    RenderInterface::SkyBox sky;
    RenderInterface::Model3D floor;
    RenderInterface::Model3D weapon;
    RenderInterface::AnimationModel figure;
    RenderInterface::DirectionalLight light;
    std::vector<Math::Matrix4> skinning;
};
