#pragma once
// Appends typed arrays to a glTF model's one binary buffer, each in a buffer view of its own,
// and returns the accessor that reads it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <Math/Math.h>
#include <tiny_gltf.h>

namespace WarriorExport {

// Appends a value's components in glTF's order (a quaternion as x, y, z, w).
template <typename T>
void AppendComponents(std::vector<T>& out, const Math::Vector2& v) {
    out.insert(out.end(), {v.x, v.y});
}
template <typename T>
void AppendComponents(std::vector<T>& out, const Math::Vector3& v) {
    out.insert(out.end(), {v.x, v.y, v.z});
}
template <typename T>
void AppendComponents(std::vector<T>& out, const Math::Quaternion& q) {
    out.insert(out.end(), {q.v.x, q.v.y, q.v.z, q.s});
}

class GltfBuffer {
public:
    // Creates the model's one buffer; the model must outlive this object.
    explicit GltfBuffer(tinygltf::Model& model);

    // `components` holds `count` elements of `type` (TINYGLTF_TYPE_VEC3, ...) one after another.
    // `target` is the GPU binding of vertex or index data, 0 for anything else (skins, animations).
    // With `bounds`, the accessor carries each component's minimum and maximum.
    int AddFloats(const std::vector<float>& components, int type, int target, bool bounds);
    int AddBytes(const std::vector<std::uint8_t>& components, int type, int target);
    int AddIndices(const std::vector<std::uint32_t>& indices);

private:
    int AddAccessor(const void* data, std::size_t byteCount, std::size_t count, int componentType, int type,
                    int target);

    tinygltf::Model& model;
};

}  // namespace WarriorExport
