#include "demo/FootSlide.h"

#include <algorithm>
#include <cmath>

namespace {

// Height above the lowest toe at which a toe still counts as on the ground, in world units.
constexpr float ContactMargin = 0.25f;

}  // namespace

void FootSlide::SetToes(int left, int right)
{
    *this = FootSlide();
    feet[0].bone = left;
    feet[1].bone = right;
}

void FootSlide::Observe(const Math::Matrix4& world, const std::vector<Math::Matrix4>& bones)
{
    for (Foot& foot : feet) {
        if (foot.bone < 0 || foot.bone >= static_cast<int>(bones.size())) {
            continue;
        }
        const Math::Vector3 toe = (world * bones[static_cast<std::size_t>(foot.bone)]).Column(3);
        ground = groundSeen ? std::min(ground, toe.y) : toe.y;
        groundSeen = true;
        const bool down = toe.y <= ground + ContactMargin;
        if (down && foot.planted) {
            foot.slide += std::hypot(toe.x - foot.previous.x, toe.z - foot.previous.z);
        }
        if (foot.planted && !down) {
            lastStep = foot.slide;
            foot.slide = 0.0f;
        }
        foot.planted = down;
        foot.previous = toe;
    }
}
