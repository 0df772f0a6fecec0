#pragma once
// Vertex colours for a mesh whose look lives in its material: the material's base colour, times
// the vertex colours it has, times the average of its colour texture over the triangles around
// each vertex (when the texture, or an image named like the model, is found beside it), so an imported character keeps
// its colours without the demo reading textures.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct aiScene;
struct aiMesh;

namespace CharacterImport {

class MaterialColors {
public:
    MaterialColors(const aiScene* scene, const aiMesh* mesh, const std::string& modelPath);
    std::array<std::uint8_t, 4> At(unsigned vertex) const { return colors[vertex]; }

private:
    std::vector<std::array<std::uint8_t, 4>> colors;
};

}  // namespace CharacterImport
