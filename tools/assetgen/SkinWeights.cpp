#include "SkinWeights.h"

#include <algorithm>
#include <map>
#include <utility>

namespace AssetGen {

namespace {

// Keeps the four largest weights (ties by bone index, so the result is deterministic).
Influences Strongest(const std::map<int, float>& weights) {
    std::vector<std::pair<int, float>> sorted(weights.begin(), weights.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    Influences out;
    out.weights = {0.0f, 0.0f, 0.0f, 0.0f};
    for (size_t i = 0; i < sorted.size() && i < out.bones.size(); ++i) {
        out.bones[i] = static_cast<std::uint8_t>(sorted[i].first);
        out.weights[i] = sorted[i].second;
    }
    return out;
}

}  // namespace

SkinFunction RigidSkin(int bone) {
    return [bone](const Math::Vector3&, float) {
        Influences influences;
        influences.bones[0] = static_cast<std::uint8_t>(bone);
        return influences;
    };
}

SkinFunction ChainSkin(std::vector<JointBlend> chain) {
    return [chain = std::move(chain)](const Math::Vector3& p, float) {
        // Weight of bone i = (product of "beyond joint k" for k <= i) * (1 - "beyond joint i+1"):
        // the terms telescope, so the weights always sum to 1.
        std::map<int, float> weights;
        float reached = 1.0f;
        for (size_t i = 0; i < chain.size(); ++i) {
            float beyondNext = 0.0f;
            if (i + 1 < chain.size()) {
                const JointBlend& next = chain[i + 1];
                beyondNext = SmoothStep(-next.radius, next.radius, Math::Dot(p - next.joint, next.direction));
            }
            const float weight = reached * (1.0f - beyondNext);
            if (weight > 0.0f) {
                weights[chain[i].bone] += weight;
            }
            reached *= beyondNext;
        }
        return Strongest(weights);
    };
}

SkinFunction PathSkin(std::vector<int> bones, std::vector<float> starts, float radius) {
    return [bones = std::move(bones), starts = std::move(starts), radius](const Math::Vector3&, float along) {
        std::map<int, float> weights;
        float reached = 1.0f;
        for (size_t i = 0; i < bones.size(); ++i) {
            const float beyondNext =
                i + 1 < bones.size() ? SmoothStep(starts[i + 1] - radius, starts[i + 1] + radius, along) : 0.0f;
            const float weight = reached * (1.0f - beyondNext);
            if (weight > 0.0f) {
                weights[bones[i]] += weight;
            }
            reached *= beyondNext;
        }
        return Strongest(weights);
    };
}

SkinFunction MixSkins(SkinFunction a, SkinFunction b, std::function<float(const Math::Vector3&)> t) {
    return [a = std::move(a), b = std::move(b), t = std::move(t)](const Math::Vector3& p, float along) {
        const float share = std::clamp(t(p), 0.0f, 1.0f);
        std::map<int, float> weights;
        const Influences first = a(p, along);
        const Influences second = b(p, along);
        for (size_t i = 0; i < first.bones.size(); ++i) {
            weights[first.bones[i]] += first.weights[i] * (1.0f - share);
            weights[second.bones[i]] += second.weights[i] * share;
        }
        return Strongest(weights);
    };
}

}  // namespace AssetGen
