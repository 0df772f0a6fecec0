#include "demo/CameraController.h"

#include <RenderInterface/Renderer.h>

#include "util/Input.h"

namespace {

// The camera computes its turns in degrees and converts with this factor rather than pi/180.
constexpr float DegreesToRadians = 0.0175f;
// Largest pitch step of one frame, in degrees.
constexpr float PitchStepLimit = 90.0f;

constexpr float NearPlane = 0.1f;
constexpr float FarPlane = 10000.0f;
constexpr float FieldOfViewY = 0.7853982f;
constexpr float StartPitch = 0.0078625f;

constexpr int KeyW = 26;
constexpr int KeyS = 22;
constexpr int KeyA = 4;
constexpr int KeyD = 7;
constexpr int KeyE = 8;
constexpr int KeyQ = 20;

}  // namespace

void CameraController::Init(RenderInterface::Renderer* newRenderer, float width, float height)
{
    renderer = newRenderer;
    windowSize.Set(width, height);
    view = renderer->CreateView(windowSize.x, windowSize.y, NearPlane, FarPlane, FieldOfViewY);
    position.Set(-12.0f, 120.0f, 595.0f);
    view->GetCamera().SetPosition(position);
    orientation = Math::Quaternion::RotateX(StartPitch);
    UpdateAxes();
    spareMoveSpeed = 50.0f;
    rotationSpeed = 15.0f;
    spareRotationSpeed = 15.0f;
    moveSpeed = 50.0f;
    timeStep = 0.016f;
}

void CameraController::Update()
{
    if (Util::Input::IsMouseButtonDown(Util::Input::Right)) {
        WrapCursorAtEdges();
        Turn();
    }
    Move();

    RenderInterface::Camera& camera = view->GetCamera();
    camera.SetForward(forward);
    camera.SetUp(up);
    camera.SetPosition(position);
}

// Keeps the held cursor inside the window so the user can keep turning one way: near an edge it
// jumps to the opposite border. Both tests use the position read before any warp, so in a corner
// the vertical warp (issued last) wins and the horizontal one follows next frame.
void CameraController::WrapCursorAtEdges()
{
    int x = 0;
    int y = 0;
    Util::Input::GetMouseState(&x, &y);

    if (static_cast<float>(x) > windowSize.x - EdgeMargin) {
        Util::Input::WarpMouse(EdgeMargin, y);
    } else if (x < EdgeMargin) {
        Util::Input::WarpMouse(static_cast<int>(windowSize.x - EdgeMargin), y);
    }

    if (static_cast<float>(y) > windowSize.y - EdgeMargin) {
        Util::Input::WarpMouse(x, EdgeMargin);
    } else if (y < EdgeMargin) {
        Util::Input::WarpMouse(x, static_cast<int>(windowSize.y - EdgeMargin));
    }
}

// Yaw about the world's up axis, then pitch about the freshly yawed right axis. The axes are taken
// after the yaw only, so this frame's pitch shows in them from the next turning frame.
// Both turns act about world-space axes, so both are composed on the left of the orientation
// (a * b applies b first). Composed on the right they would act about camera-space images of
// those axes: the yaw would roll the horizon once the camera is pitched, and after a quarter turn
// of yaw the pitch would roll the camera instead of tilting it.
void CameraController::Turn()
{
    const float yaw =
        -static_cast<float>(Util::Input::GetMouseDeltaX()) * rotationSpeed * timeStep * DegreesToRadians;

    float pitchStep = static_cast<float>(Util::Input::GetMouseDeltaY()) * rotationSpeed * timeStep;
    if (pitchStep < -PitchStepLimit) {
        pitchStep = -PitchStepLimit;
    } else if (pitchStep > PitchStepLimit) {
        pitchStep = PitchStepLimit;
    }

    orientation = Math::Quaternion(yaw, Math::Vector3::unit_y) * orientation;
    UpdateAxes();
    orientation = Math::Quaternion(pitchStep * -DegreesToRadians, right) * orientation;
}

void CameraController::Move()
{
    const float step = timeStep * moveSpeed;
    if (Util::Input::IsKeyDown(KeyW)) {
        position += forward * step;
    }
    if (Util::Input::IsKeyDown(KeyS)) {
        position += forward * -step;
    }
    if (Util::Input::IsKeyDown(KeyA)) {
        position += right * -step;
    }
    if (Util::Input::IsKeyDown(KeyD)) {
        position += right * step;
    }
    if (Util::Input::IsKeyDown(KeyE)) {
        position += up * step;
    }
    if (Util::Input::IsKeyDown(KeyQ)) {
        position += up * -step;
    }
}

// Right and up are the rotation's first two columns; the camera looks down its negated third.
void CameraController::UpdateAxes()
{
    const Math::Matrix4 m = Math::ToMatrix4(orientation);
    right.Set(m[0], m[4], m[8]);
    up.Set(m[1], m[5], m[9]);
    forward.Set(-m[2], -m[6], -m[10]);
}
