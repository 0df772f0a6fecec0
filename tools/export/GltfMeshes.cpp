#include <cmath>

#include "GltfParts.h"

namespace WarriorExport {

namespace {

// The decoding the renderer applies to vertex colours, so the file shows the same linear albedo.
float SrgbToLinear(std::uint8_t encoded) {
    const float c = static_cast<float>(encoded) / 255.0f;
    return c < 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

// glTF wants weights that sum to one, no joint repeated within a vertex, and joint 0 wherever
// the weight is 0. The renderer divides by the sum, so normalising changes nothing on screen.
void AppendInfluences(const Assets::MeshVertex& vertex, std::vector<std::uint8_t>& joints,
                      std::vector<float>& weights) {
    std::array<std::uint8_t, Assets::MaxBoneInfluences> bones{};
    std::array<float, Assets::MaxBoneInfluences> shares{};
    float total = 0.0f;
    for (int i = 0; i < Assets::MaxBoneInfluences; ++i) {
        const float weight = vertex.boneWeights[i];
        if (weight <= 0.0f) {
            continue;
        }
        total += weight;
        for (int j = 0; j <= i; ++j) {
            if (shares[j] == 0.0f || bones[j] == vertex.boneIndices[i]) {
                bones[j] = vertex.boneIndices[i];
                shares[j] += weight;
                break;
            }
        }
    }
    for (int i = 0; i < Assets::MaxBoneInfluences; ++i) {
        joints.push_back(bones[i]);
        weights.push_back(shares[i] / total);
    }
}

}  // namespace

int AddSkinnedMesh(tinygltf::Model& model, GltfBuffer& buffer, const std::string& name,
                   const Assets::MeshData& mesh, int material) {
    std::vector<float> positions, normals, uvs, colors, weights;
    std::vector<std::uint8_t> joints;
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        AppendComponents(positions, vertex.position);
        AppendComponents(normals, vertex.normal);
        AppendComponents(uvs, vertex.uv);
        for (int channel = 0; channel < 3; ++channel) {
            colors.push_back(SrgbToLinear(vertex.color[channel]));
        }
        AppendInfluences(vertex, joints, weights);
    }
    tinygltf::Primitive primitive;
    primitive.mode = TINYGLTF_MODE_TRIANGLES;
    primitive.material = material;
    primitive.indices = buffer.AddIndices(mesh.indices);
    const int vertexData = TINYGLTF_TARGET_ARRAY_BUFFER;
    primitive.attributes["POSITION"] = buffer.AddFloats(positions, TINYGLTF_TYPE_VEC3, vertexData, true);
    primitive.attributes["NORMAL"] = buffer.AddFloats(normals, TINYGLTF_TYPE_VEC3, vertexData, false);
    primitive.attributes["TEXCOORD_0"] = buffer.AddFloats(uvs, TINYGLTF_TYPE_VEC2, vertexData, false);
    primitive.attributes["COLOR_0"] = buffer.AddFloats(colors, TINYGLTF_TYPE_VEC3, vertexData, false);
    primitive.attributes["JOINTS_0"] = buffer.AddBytes(joints, TINYGLTF_TYPE_VEC4, vertexData);
    primitive.attributes["WEIGHTS_0"] = buffer.AddFloats(weights, TINYGLTF_TYPE_VEC4, vertexData, false);

    tinygltf::Mesh gltfMesh;
    gltfMesh.name = name;
    gltfMesh.primitives.push_back(primitive);
    model.meshes.push_back(gltfMesh);
    return static_cast<int>(model.meshes.size() - 1);
}

Assets::MeshData HeldByBone(const Assets::MeshData& mesh, const Assets::SkeletonData& skeleton,
                            std::uint8_t bone, const Math::Matrix4& grip) {
    const Math::Matrix4 placement = Math::Inverse(skeleton.bones[bone].inverseBind) * grip;
    Assets::MeshData held = mesh;
    held.skinned = true;
    for (Assets::MeshVertex& vertex : held.vertices) {
        vertex.position = Math::TransformPoint(placement, vertex.position);
        vertex.normal = Math::Normalized(Math::TransformDirection(placement, vertex.normal));
        vertex.boneIndices = {bone, 0, 0, 0};
        vertex.boneWeights = {1.0f, 0.0f, 0.0f, 0.0f};
    }
    return held;
}

}  // namespace WarriorExport
