#include "CubeMapTexture.h"

namespace RenderInterface {

CubeMapTexture::CubeMapTexture(const Assets::CubeMapData& cubeMap)
    : texture(MakeTexture()), harmonics(ProjectCubeMap(cubeMap)) {
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture.Get());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const auto size = static_cast<GLsizei>(cubeMap.size);
    for (GLenum face = 0; face < 6; ++face) {
        glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face, 0, GL_SRGB8_ALPHA8, size, size, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, cubeMap.faces[face].data());
    }
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
}

void CubeMapTexture::Bind(GLuint unit) const {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture.Get());
}

}  // namespace RenderInterface
