#pragma once
// The skinning matrices of every animated model in a frame, in one texture buffer that the
// vertex stage reads (four RGBA32F texels, the matrix rows, per bone). A texture buffer has room
// for any skeleton the mesh format can address, where uniform arrays would hit driver limits.
#include <string>
#include <vector>

#include <Math/Math.h>

#include "GlObjects.h"

namespace RenderInterface {

class BoneBuffer {
public:
    // Bone indices in a mesh are bytes, so no model can use more matrices than this.
    static constexpr std::size_t MaxBonesPerModel = 256;

    BoneBuffer();

    void Clear() { matrices.clear(); }
    // Appends a model's matrices (at most MaxBonesPerModel), returns where they start and sets
    // `count` to how many were appended. A pose with an element that is not finite would smear the
    // model across the screen, so none of it is appended (count 0: the model is drawn in its bind
    // pose), and the first such pose is reported on stderr, naming `model`.
    int Append(const std::vector<Math::Matrix4>& skinning, const std::string& model, int& count);
    // Sends the frame's matrices to the GPU.
    void Upload();
    void Bind(GLuint unit) const;

private:
    std::vector<Math::Matrix4> matrices;
    GlBuffer buffer;
    GlTexture texture;
    std::size_t capacity = 0;  // matrices the GPU buffer holds
    bool reportedNonFinite = false;
};

}  // namespace RenderInterface
