#include "BoneBuffer.h"

#include <algorithm>

namespace RenderInterface {

static_assert(sizeof(Math::Matrix4) == 16 * sizeof(float), "matrices are uploaded as 16 packed floats");

BoneBuffer::BoneBuffer() : buffer(MakeBuffer()), texture(MakeTexture()) {
    matrices.reserve(MaxBonesPerModel);
}

int BoneBuffer::Append(const std::vector<Math::Matrix4>& skinning) {
    const int offset = static_cast<int>(matrices.size());
    const std::size_t count = std::min(skinning.size(), MaxBonesPerModel);
    matrices.insert(matrices.end(), skinning.begin(), skinning.begin() + static_cast<std::ptrdiff_t>(count));
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
