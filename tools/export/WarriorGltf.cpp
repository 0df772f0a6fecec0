#include "WarriorGltf.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <HandGrip.h>
#include <WarriorSkeleton.h>

#include "GltfParts.h"

namespace WarriorExport {

namespace {

// The renderer lights every model alike: a dielectric (Fresnel 0.04 at normal incidence) with a
// Blinn-Phong highlight of exponent 48, which is a GGX roughness of about 0.45, albedo from the
// vertex colours, both faces drawn.
int AddMaterial(tinygltf::Model& model) {
    tinygltf::Material material;
    material.name = "Vertex colour";
    material.pbrMetallicRoughness.metallicFactor = 0.0;
    material.pbrMetallicRoughness.roughnessFactor = 0.45;
    material.doubleSided = true;
    model.materials.push_back(material);
    return static_cast<int>(model.materials.size() - 1);
}

int AddMeshNode(tinygltf::Model& model, const std::string& name, int mesh) {
    tinygltf::Node node;
    node.name = name;
    node.mesh = mesh;
    node.skin = 0;
    model.nodes.push_back(node);
    return static_cast<int>(model.nodes.size() - 1);
}

}  // namespace

tinygltf::Model BuildWarriorGltf(const WarriorSource& source) {
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "vantor-export";
    GltfBuffer buffer(model);
    AddSkeleton(model, buffer, source.skeleton);

    const int material = AddMaterial(model);
    std::vector<int> roots;
    for (std::size_t i = 0; i < source.skeleton.bones.size(); ++i) {
        if (source.skeleton.bones[i].parent < 0) {
            roots.push_back(static_cast<int>(i));
        }
    }
    roots.push_back(AddMeshNode(model, "Warrior", AddSkinnedMesh(model, buffer, "Warrior", source.body, material)));

    const Math::Matrix4 grip =
        Math::Matrix4::TRS(AssetGen::kWeaponGripOffset, Math::Quaternion::identity, Math::Vector3::one);
    for (const NamedMesh& weapon : source.weapons) {
        const Assets::MeshData held = HeldByBone(weapon.mesh, source.skeleton, AssetGen::RightHand, grip);
        tinygltf::Scene scene;
        scene.name = "Warrior with " + weapon.name;
        scene.nodes = roots;
        const int mesh = AddSkinnedMesh(model, buffer, weapon.name, held, material);
        scene.nodes.push_back(AddMeshNode(model, weapon.name, mesh));
        model.scenes.push_back(scene);
    }
    model.defaultScene = 0;

    for (const NamedClip& clip : source.clips) {
        AddAnimation(model, buffer, clip.name, clip.clip);
    }
    model.buffers[0].uri.clear();
    return model;
}

bool WriteGlb(const tinygltf::Model& model, const std::string& path, std::string& error) {
    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&model, stream, false, true)) {
        error = path + ": tinygltf could not serialise the model";
        return false;
    }
    const std::string bytes = stream.str();
    const std::string partial = path + ".partial";
    if (!Assets::WriteFileBytes(partial, Assets::Bytes(bytes.begin(), bytes.end()), error)) {
        error = partial + ": " + error;
        return false;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        error = path + ": cannot replace the file: " + std::strerror(errno);
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

}  // namespace WarriorExport
