#include "BoneBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace RenderInterface {

static_assert(sizeof(Math::Matrix4) == 16 * sizeof(float), "matrices are uploaded as 16 packed floats");

BoneBuffer::BoneBuffer() : buffer(MakeBuffer()), texture(MakeTexture()) {
    matrices.reserve(MaxBonesPerModel);
}

int BoneBuffer::Append(const std::vector<Math::Matrix4>& skinning, const std::string& model, int& count) {
    const int offset = static_cast<int>(matrices.size());
    const auto end = skinning.begin() + static_cast<std::ptrdiff_t>(std::min(skinning.size(), MaxBonesPerModel));
    const auto bad = std::find_if(skinning.begin(), end, [](const Math::Matrix4& matrix) {
        return !std::all_of(std::begin(matrix.m), std::end(matrix.m), [](float e) { return std::isfinite(e); });
    });
    if (bad != end) {
        if (!reportedNonFinite) {
            std::fprintf(stderr, "Vantor: the pose of model '%s' is not finite (skinning matrix %d); drawing it in its bind pose\n",
                         model.c_str(), static_cast<int>(bad - skinning.begin()));
            reportedNonFinite = true;
        }
        count = 0;
        return offset;
    }
    matrices.insert(matrices.end(), skinning.begin(), end);
    count = static_cast<int>(end - skinning.begin());
    return offset;
}

void BoneBuffer::Upload() {
    // Never empty, so that the texture always has a buffer behind it.
    const std::size_t needed = std::max<std::size_t>(matrices.size(), 1);
    glBindBuffer(GL_TEXTURE_BUFFER, buffer.Get());
    if (needed > capacity) {
        capacity = std::max(needed, capacity * 2);
        glBufferData(GL_TEXTURE_BUFFER, static_cast<GLsizeiptr>(capacity * sizeof(Math::Matrix4)), nullptr,
                     GL_STREAM_DRAW);
        glBindTexture(GL_TEXTURE_BUFFER, texture.Get());
        glTexBuffer(GL_TEXTURE_BUFFER, GL_RGBA32F, buffer.Get());
    }
    if (!matrices.empty()) {
        glBufferSubData(GL_TEXTURE_BUFFER, 0, static_cast<GLsizeiptr>(matrices.size() * sizeof(Math::Matrix4)),
                        matrices.data());
    }
    glBindBuffer(GL_TEXTURE_BUFFER, 0);
}

void BoneBuffer::Bind(GLuint unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_BUFFER, texture.Get());
}

}  // namespace RenderInterface
