#include "GltfBuffer.h"

#include <algorithm>
#include <limits>

namespace WarriorExport {

GltfBuffer::GltfBuffer(tinygltf::Model& target) : model(target) {
    model.buffers.assign(1, tinygltf::Buffer());
}

int GltfBuffer::AddAccessor(const void* data, std::size_t byteCount, std::size_t count, int componentType,
                            int type, int target) {
    std::vector<unsigned char>& bytes = model.buffers[0].data;
    // Every view starts on a 4-byte boundary, as float and 32-bit index data require.
    bytes.resize((bytes.size() + 3) & ~std::size_t{3}, 0);

    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = bytes.size();
    view.byteLength = byteCount;
    view.target = target;
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + byteCount);
    model.bufferViews.push_back(view);

    tinygltf::Accessor accessor;
    accessor.bufferView = static_cast<int>(model.bufferViews.size() - 1);
    accessor.componentType = componentType;
    accessor.type = type;
    accessor.count = count;
    model.accessors.push_back(accessor);
    return static_cast<int>(model.accessors.size() - 1);
}

int GltfBuffer::AddFloats(const std::vector<float>& components, int type, int target, bool bounds) {
    const std::size_t width = static_cast<std::size_t>(tinygltf::GetNumComponentsInType(type));
    const int index = AddAccessor(components.data(), components.size() * sizeof(float), components.size() / width,
                                  TINYGLTF_COMPONENT_TYPE_FLOAT, type, target);
    if (bounds) {
        tinygltf::Accessor& accessor = model.accessors[static_cast<std::size_t>(index)];
        accessor.minValues.assign(width, std::numeric_limits<double>::infinity());
        accessor.maxValues.assign(width, -std::numeric_limits<double>::infinity());
        for (std::size_t i = 0; i < components.size(); ++i) {
            accessor.minValues[i % width] = std::min<double>(accessor.minValues[i % width], components[i]);
            accessor.maxValues[i % width] = std::max<double>(accessor.maxValues[i % width], components[i]);
        }
    }
    return index;
}

int GltfBuffer::AddBytes(const std::vector<std::uint8_t>& components, int type, int target) {
    const std::size_t width = static_cast<std::size_t>(tinygltf::GetNumComponentsInType(type));
    return AddAccessor(components.data(), components.size(), components.size() / width,
                       TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE, type, target);
}

int GltfBuffer::AddIndices(const std::vector<std::uint32_t>& indices) {
    return AddAccessor(indices.data(), indices.size() * sizeof(std::uint32_t), indices.size(),
                       TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TYPE_SCALAR,
                       TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
}

}  // namespace WarriorExport
