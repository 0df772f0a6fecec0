#include "GpuResources.h"

#include "resources/ResourceFiles.h"

namespace RenderInterface {
namespace {

template <typename Resource>
const Resource* Find(const std::unordered_map<std::string, std::unique_ptr<Resource>>& map, const std::string& name) {
    const auto found = map.find(name);
    return found == map.end() ? nullptr : found->second.get();
}

}  // namespace

ResourceResult GpuResources::RegisterTexture(const char* path, const char* name) {
    if (!CheckResourceNames(path, name)) return ResourceResult::BadName;
    Assets::CubeMapData cubeMap;
    const ResourceResult read = ReadResourceFile(path, cubeMap, Assets::ReadCubeMapDdsFile);
    if (read != ResourceResult::Loaded) return read;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_CUBE_MAP_TEXTURE_SIZE, &largest);
    if (cubeMap.size > static_cast<std::uint32_t>(largest)) {
        return ReportBadFormat(path, "faces of " + std::to_string(cubeMap.size) + " texels exceed this driver's " +
                                         std::to_string(largest));
    }
    cubeMaps[name] = std::make_unique<CubeMapTexture>(cubeMap);
    return ResourceResult::Loaded;
}

ResourceResult GpuResources::RegisterModel(const char* path, const char* name) {
    if (!CheckResourceNames(path, name)) return ResourceResult::BadName;
    Assets::MeshData mesh;
    const ResourceResult read = ReadResourceFile(path, mesh, Assets::ReadMeshFile);
    if (read != ResourceResult::Loaded) return read;
    meshes[name] = std::make_unique<GpuMesh>(mesh);
    return ResourceResult::Loaded;
}

const GpuMesh* GpuResources::FindMesh(const std::string& name) const { return Find(meshes, name); }

const CubeMapTexture* GpuResources::FindCubeMap(const std::string& name) const { return Find(cubeMaps, name); }

}  // namespace RenderInterface
