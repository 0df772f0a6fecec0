#pragma once
// The user's free-fly camera: turns with the mouse while the right button is held, moves with
// W, S, A, D, E and Q, and hands its frame to the renderer's camera every frame.
#include <Math/Math.h>

namespace RenderInterface {
class Renderer;
struct CameraView;
}  // namespace RenderInterface

class CameraController {
public:
    // Distance from a window edge at which the held cursor is warped to the opposite border.
    static constexpr int EdgeMargin = 10;

    // Creates the renderer's view and puts the camera at its start pose.
    void Init(RenderInterface::Renderer* renderer, float width, float height);
    // Mouse look (right button held), movement keys, then the camera handed to the renderer.
    void Update();

    Math::Vector2 windowSize;  // the size given to Init; a later resize does not change it
    Math::Quaternion orientation;
    float spareMoveSpeed = 0.0f;      // reserved: not read by the camera
    float rotationSpeed = 0.0f;       // degrees per pixel of mouse motion, per unit of timeStep
    float spareRotationSpeed = 0.0f;  // reserved: not read by the camera
    float moveSpeed = 0.0f;           // units per unit of timeStep a held key moves the camera
    float timeStep = 0.0f;            // fixed per-frame step; the camera measures no time
    Math::Vector3 forward;
    Math::Vector3 right;
    Math::Vector3 up;
    Math::Vector3 position;
    RenderInterface::CameraView* view = nullptr;     // released by the demo at shutdown
    RenderInterface::Renderer* renderer = nullptr;  // not owned

private:
    void WrapCursorAtEdges();
    void Turn();
    void Move();
    void UpdateAxes();
};
