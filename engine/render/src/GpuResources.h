#pragma once
// Meshes and cube maps registered by name. A file that cannot be used is reported once (by the
// resource-file helpers) and registers nothing: a name registered earlier keeps its resource.
// Registering a name again with a good file replaces the earlier resource.
#include <memory>
#include <string>
#include <unordered_map>

#include <RenderInterface/Renderer.h>

#include "CubeMapTexture.h"
#include "GpuMesh.h"

namespace RenderInterface {

class GpuResources {
public:
    ResourceResult RegisterTexture(const char* path, const char* name);
    ResourceResult RegisterModel(const char* path, const char* name);

    // Null when nothing is registered under the name.
    const GpuMesh* FindMesh(const std::string& name) const;
    const CubeMapTexture* FindCubeMap(const std::string& name) const;

private:
    std::unordered_map<std::string, std::unique_ptr<GpuMesh>> meshes;
    std::unordered_map<std::string, std::unique_ptr<CubeMapTexture>> cubeMaps;
};

}  // namespace RenderInterface
