#include "FrameView.h"

#include <cmath>

namespace RenderInterface {

bool IsUsableProjection(float nearPlane, float farPlane, float fovY) {
    return std::isfinite(nearPlane) && std::isfinite(farPlane) && std::isfinite(fovY) && nearPlane > 0.0f &&
           farPlane > nearPlane && fovY > 0.0f && fovY < 3.1415f;
}

FrameView MakeFrameView(const CameraView* view, unsigned width, unsigned height, DepthConvention depth) {
    const CameraView fallback;
    const CameraView& source = view != nullptr ? *view : fallback;
    const bool usable = IsUsableProjection(source.nearPlane, source.farPlane, source.fovY);
    const float aspect = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    const CameraView& planes = usable ? source : fallback;
    Math::Matrix4 projection = Math::Matrix4::Perspective(planes.fovY, aspect, planes.nearPlane, planes.farPlane);
    if (depth.reversed) {
        // Clip z = w at the near plane and 0 at the far one, from the planes themselves rather
        // than from the usual matrix, whose depth row would lose the precision reversal gains.
        const float n = planes.nearPlane;
        const float f = planes.farPlane;
        projection[10] = n / (f - n);
        projection[11] = f * n / (f - n);
    }

    const Camera& camera = source.camera;
    const Math::Matrix4 lookAt = Math::Matrix4::LookAt(camera.GetPosition(), camera.GetForward(), camera.GetUp());
    Math::Matrix4 rotation = lookAt;
    rotation[3] = rotation[7] = rotation[11] = 0.0f;

    FrameView frame;
    frame.eye = camera.GetPosition();
    frame.viewProjection = projection * lookAt;
    frame.rayMatrix = Math::Inverse(projection * rotation);
    return frame;
}

}  // namespace RenderInterface
