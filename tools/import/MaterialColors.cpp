#include "MaterialColors.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <assimp/material.h>
#include <assimp/scene.h>
#include <stb/stb_image.h>

namespace CharacterImport {

namespace {

struct Texture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;

    bool Empty() const { return rgba.empty(); }
    // Nearest texel, wrapping; v runs up from the bottom row as in every format Assimp reads.
    std::array<float, 4> At(float u, float v) const
    {
        const int x = static_cast<int>(std::floor((u - std::floor(u)) * static_cast<float>(width))) % width;
        const int y = static_cast<int>(std::floor((1.0f - (v - std::floor(v))) * static_cast<float>(height))) % height;
        const unsigned char* texel = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
        return {texel[0] / 255.0f, texel[1] / 255.0f, texel[2] / 255.0f, texel[3] / 255.0f};
    }
};

Texture LoadTexture(const aiScene* scene, const aiMaterial* material, const std::string& modelPath)
{
    // Game models often leave the texture to the game; then take the image named like the model.
    aiString name;
    if (material->GetTexture(aiTextureType_BASE_COLOR, 0, &name) != AI_SUCCESS &&
        material->GetTexture(aiTextureType_DIFFUSE, 0, &name) != AI_SUCCESS) {
        name = std::filesystem::path(modelPath).stem().string() + ".png";
    }
    Texture texture;
    int channels = 0;
    unsigned char* pixels = nullptr;
    if (const aiTexture* embedded = scene->GetEmbeddedTexture(name.C_Str()); embedded != nullptr) {
        if (embedded->mHeight == 0) {
            pixels = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(embedded->pcData),
                                           static_cast<int>(embedded->mWidth), &texture.width, &texture.height,
                                           &channels, 4);
        }
    } else {
        // Beside the model, as written or by its bare file name.
        const std::filesystem::path folder = std::filesystem::path(modelPath).parent_path();
        std::string written = name.C_Str();
        std::replace(written.begin(), written.end(), '\\', '/');
        for (const std::filesystem::path& candidate :
             {folder / written, folder / std::filesystem::path(written).filename()}) {
            pixels = stbi_load(candidate.string().c_str(), &texture.width, &texture.height, &channels, 4);
            if (pixels != nullptr) {
                break;
            }
        }
    }
    if (pixels == nullptr || texture.width <= 0 || texture.height <= 0) {
        stbi_image_free(pixels);
        return {};
    }
    texture.rgba.assign(pixels, pixels + static_cast<std::size_t>(texture.width) * texture.height * 4);
    stbi_image_free(pixels);
    return texture;
}

std::array<float, 4> BaseColor(const aiMaterial* material)
{
    aiColor4D color(1.0f, 1.0f, 1.0f, 1.0f);
    if (aiGetMaterialColor(material, AI_MATKEY_BASE_COLOR, &color) != AI_SUCCESS) {
        aiGetMaterialColor(material, AI_MATKEY_COLOR_DIFFUSE, &color);
    }
    return {color.r, color.g, color.b, 1.0f};
}

// Mean texel over a triangle, from a few points spread inside it; opaque texels only, since
// transparent corners of a texture atlas are not part of the surface.
std::array<float, 4> TriangleMean(const Texture& texture, const aiVector3D& a, const aiVector3D& b, const aiVector3D& c)
{
    static const float kWeights[][3] = {{1 / 3.f, 1 / 3.f, 1 / 3.f}, {0.6f, 0.2f, 0.2f}, {0.2f, 0.6f, 0.2f},
                                        {0.2f, 0.2f, 0.6f},       {0.4f, 0.4f, 0.2f}, {0.4f, 0.2f, 0.4f},
                                        {0.2f, 0.4f, 0.4f}};
    std::array<float, 4> sum{0, 0, 0, 0};
    for (const auto& w : kWeights) {
        const std::array<float, 4> texel =
            texture.At(w[0] * a.x + w[1] * b.x + w[2] * c.x, w[0] * a.y + w[1] * b.y + w[2] * c.y);
        for (int i = 0; i < 3; ++i) {
            sum[i] += texel[i] * texel[3];
        }
        sum[3] += texel[3];
    }
    return sum;
}

std::uint8_t ToByte(float value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

MaterialColors::MaterialColors(const aiScene* scene, const aiMesh* mesh, const std::string& modelPath)
{
    const aiMaterial* material = mesh->mMaterialIndex < scene->mNumMaterials ? scene->mMaterials[mesh->mMaterialIndex]
                                                                             : nullptr;
    const std::array<float, 4> base = material != nullptr ? BaseColor(material) : std::array<float, 4>{1, 1, 1, 1};
    const Texture texture = material != nullptr && mesh->HasTextureCoords(0) ? LoadTexture(scene, material, modelPath)
                                                                              : Texture{};
    std::vector<std::array<float, 4>> texels(mesh->mNumVertices, {0, 0, 0, 0});
    if (!texture.Empty()) {
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3) {
                continue;
            }
            const aiVector3D* uv = mesh->mTextureCoords[0];
            const std::array<float, 4> mean = TriangleMean(texture, uv[face.mIndices[0]], uv[face.mIndices[1]],
                                                           uv[face.mIndices[2]]);
            for (unsigned i = 0; i < 3; ++i) {
                for (int k = 0; k < 4; ++k) {
                    texels[face.mIndices[i]][k] += mean[k];
                }
            }
        }
    }
    colors.resize(mesh->mNumVertices);
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
        std::array<float, 4> color = base;
        if (mesh->HasVertexColors(0)) {
            const aiColor4D& own = mesh->mColors[0][v];
            color = {color[0] * own.r, color[1] * own.g, color[2] * own.b, 1.0f};
        }
        if (texels[v][3] > 0.0f) {
            for (int i = 0; i < 3; ++i) {
                color[i] *= texels[v][i] / texels[v][3];
            }
        }
        colors[v] = {ToByte(color[0]), ToByte(color[1]), ToByte(color[2]), 255};
    }
}

}  // namespace CharacterImport
