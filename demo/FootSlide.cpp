#include "demo/FootSlide.h"

#include <algorithm>
#include <cmath>

namespace {

// Height above the ground at which a toe still counts as on it, in world units.
constexpr float ContactMargin = 0.25f;

}  // namespace

void FootSlide::Lowest::Add(float y)
{
    height = seen ? std::min(height, y) : y;
    seen = true;
}

void FootSlide::SetToes(int left, int right)
{
    *this = FootSlide();
    feet[0].bone = left;
    feet[1].bone = right;
}

void FootSlide::Observe(const Math::Matrix4& world, const std::vector<Math::Matrix4>& bones, bool singleClip)
{
    std::array<Math::Vector3, 2> toes;
    for (std::size_t i = 0; i < feet.size(); ++i) {
        if (feet[i].bone < 0 || feet[i].bone >= static_cast<int>(bones.size())) {
            return;
        }
        toes[i] = (world * bones[static_cast<std::size_t>(feet[i].bone)]).Column(3);
        anyPose.Add(toes[i].y);
        if (singleClip) {
            singleClipPose.Add(toes[i].y);
        }
    }
    // A blend of two clips can push a foot through the floor, so the ground is the lowest toe of a
    // single clip's pose once one has been seen.
    const float ground = singleClipPose.seen ? singleClipPose.height : anyPose.height;
    for (std::size_t i = 0; i < feet.size(); ++i) {
        Foot& foot = feet[i];
        const bool down = toes[i].y <= ground + ContactMargin;
        if (down && foot.planted) {
            foot.slide += std::hypot(toes[i].x - foot.previous.x, toes[i].z - foot.previous.z);
        }
        if (foot.planted && !down) {
            lastStep = foot.slide;
            foot.slide = 0.0f;
        }
        foot.planted = down;
        foot.previous = toes[i];
    }
}
