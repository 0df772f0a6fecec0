#include "CharacterHealth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "character/PathCharacter.h"

namespace FrameTime {
namespace {

// cos 60 degrees: the most the heading may differ from the direction of the current step.
constexpr float MaxHeadingCosine = 0.5f;

bool IsFinite(const Math::Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool IsFinite(const Math::Matrix4& matrix) {
    return std::all_of(std::begin(matrix.m), std::end(matrix.m), [](float value) { return std::isfinite(value); });
}

bool IsFinite(const Math::VQS& pose) {
    const Math::Quaternion& r = pose.rotation;
    return IsFinite(pose.translation) && IsFinite(pose.scale) && IsFinite(r.v) && std::isfinite(r.s);
}

// Index of the first non-finite entry, or -1.
template <typename T>
long FirstNonFinite(const std::vector<T>& values) {
    const auto bad = std::find_if(values.begin(), values.end(), [](const T& value) { return !IsFinite(value); });
    return bad == values.end() ? -1 : static_cast<long>(bad - values.begin());
}

template <typename T>
void CheckPoseArray(std::ostringstream& faults, const char* name, const std::vector<T>& values) {
    if (values.empty()) {
        faults << name << ": empty, the character has no pose\n";
    } else if (const long bad = FirstNonFinite(values); bad >= 0) {
        faults << name << ": entry " << bad << " of " << values.size() << " is not finite\n";
    }
}

}  // namespace

float DistanceToPolyline(const Math::Vector3& point, const std::vector<Math::Vector3>& samples) {
    float nearest = std::numeric_limits<float>::infinity();
    const auto distanceTo = [&point](float x, float z) { return std::hypot(point.x - x, point.z - z); };
    if (samples.size() == 1) {
        nearest = distanceTo(samples[0].x, samples[0].z);
    }
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const Math::Vector3& a = samples[i - 1];
        const Math::Vector3& b = samples[i];
        const float dx = b.x - a.x;
        const float dz = b.z - a.z;
        const float lengthSquared = dx * dx + dz * dz;
        float t = 0.0f;
        if (lengthSquared > 0.0f) {
            t = std::clamp(((point.x - a.x) * dx + (point.z - a.z) * dz) / lengthSquared, 0.0f, 1.0f);
        }
        nearest = std::min(nearest, distanceTo(a.x + t * dx, a.z + t * dz));
    }
    return nearest;
}

std::string FindCharacterFaults(const PathCharacter& character, float tolerance) {
    std::ostringstream faults;
    CheckPoseArray(faults, "skinning matrices", character.skinningMatrices);
    CheckPoseArray(faults, "bone matrices", character.boneTransforms);
    CheckPoseArray(faults, "local poses", character.localPoses);

    const Math::Vector3& p = character.position;
    if (!IsFinite(p)) {
        faults << "position is not finite\n";
        return faults.str();
    }
    if (std::fabs(p.y) > tolerance) {
        faults << "position is off the ground: y = " << p.y << "\n";
    }
    const float offPath = DistanceToPolyline(p, character.curvePoints);
    if (!(offPath <= tolerance)) {
        faults << "position (" << p.x << ", " << p.z << ") is " << offPath << " units from the path's "
               << character.curvePoints.size() << " samples\n";
    }
    // It faces along the step it is on: the heading turns across each step towards the step's
    // end, and neighbouring steps of the smooth path differ by far less than this.
    const int segment = character.segment;
    if (segment >= 1 && segment < static_cast<int>(character.curvePoints.size())) {
        const Math::Vector3 step = character.curvePoints[segment] - character.curvePoints[segment - 1];
        const Math::Vector3& forward = character.forward;
        const float cosine = (forward.x * step.x + forward.z * step.z) /
                             (std::hypot(forward.x, forward.z) * std::hypot(step.x, step.z));
        if (!(cosine >= MaxHeadingCosine)) {
            faults << "it faces " << std::acos(std::clamp(cosine, -1.0f, 1.0f)) * 57.29578f
                   << " degrees away from the path step " << segment << "\n";
        }
    }
    return faults.str();
}

}  // namespace FrameTime
