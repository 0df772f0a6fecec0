#include <map>

#include <Assets/ClipTime.h>

#include "GltfParts.h"

namespace WarriorExport {

namespace {

// Channels keyed at the same times (most tracks key translation, rotation and scale together)
// share one input accessor.
using TimeAccessors = std::map<std::vector<float>, int>;

template <typename Key>
void AddChannel(tinygltf::Animation& animation, GltfBuffer& buffer, TimeAccessors& inputs,
                const std::vector<Key>& keys, int node, const char* path, int valueType) {
    if (keys.empty()) {
        return;  // the bone keeps its bind pose on this channel, in the demo and in glTF alike
    }
    std::vector<float> times, values;
    for (const Key& key : keys) {
        times.push_back(key.time / Assets::kClipUnitsPerSecond);
        AppendComponents(values, key.value);
    }
    tinygltf::AnimationSampler sampler;
    sampler.interpolation = "LINEAR";
    auto shared = inputs.find(times);
    if (shared == inputs.end()) {
        shared = inputs.emplace(times, buffer.AddFloats(times, TINYGLTF_TYPE_SCALAR, 0, true)).first;
    }
    sampler.input = shared->second;
    sampler.output = buffer.AddFloats(values, valueType, 0, false);
    animation.samplers.push_back(sampler);

    tinygltf::AnimationChannel channel;
    channel.sampler = static_cast<int>(animation.samplers.size() - 1);
    channel.target_node = node;
    channel.target_path = path;
    animation.channels.push_back(channel);
}

}  // namespace

void AddAnimation(tinygltf::Model& model, GltfBuffer& buffer, const std::string& name,
                  const Assets::AnimationData& clip) {
    tinygltf::Animation animation;
    animation.name = name;
    TimeAccessors inputs;
    for (const Assets::BoneTrack& track : clip.tracks) {
        const int node = static_cast<int>(track.bone);
        AddChannel(animation, buffer, inputs, track.translations, node, "translation", TINYGLTF_TYPE_VEC3);
        AddChannel(animation, buffer, inputs, track.rotations, node, "rotation", TINYGLTF_TYPE_VEC4);
        AddChannel(animation, buffer, inputs, track.scales, node, "scale", TINYGLTF_TYPE_VEC3);
    }
    model.animations.push_back(animation);
}

}  // namespace WarriorExport
