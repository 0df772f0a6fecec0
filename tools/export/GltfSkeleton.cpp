#include "GltfParts.h"

namespace WarriorExport {

void AddSkeleton(tinygltf::Model& model, GltfBuffer& buffer, const Assets::SkeletonData& skeleton) {
    const std::size_t firstNode = model.nodes.size();
    tinygltf::Skin skin;
    std::vector<float> inverseBinds;
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        const Assets::BoneData& bone = skeleton.bones[i];
        tinygltf::Node node;
        node.name = bone.name;
        AppendComponents(node.translation, bone.bindPose.translation);
        AppendComponents(node.rotation, bone.bindPose.rotation);
        AppendComponents(node.scale, bone.bindPose.scale);
        model.nodes.push_back(node);
        if (bone.parent >= 0) {
            model.nodes[firstNode + static_cast<std::size_t>(bone.parent)].children.push_back(
                static_cast<int>(firstNode + i));
        }
        skin.joints.push_back(static_cast<int>(firstNode + i));
        // Ours are stored row by row, glTF's column by column. The matrix is affine, and glTF
        // requires its last row to be exactly (0, 0, 0, 1), which a general inverse reaches only
        // up to rounding.
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 3; ++row) {
                inverseBinds.push_back(bone.inverseBind[row * 4 + column]);
            }
            inverseBinds.push_back(column == 3 ? 1.0f : 0.0f);
        }
    }
    skin.name = "Skeleton";
    skin.skeleton = static_cast<int>(firstNode);
    skin.inverseBindMatrices = buffer.AddFloats(inverseBinds, TINYGLTF_TYPE_MAT4, 0, false);
    model.skins.push_back(skin);
}

}  // namespace WarriorExport
