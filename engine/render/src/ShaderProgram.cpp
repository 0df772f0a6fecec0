#include "ShaderProgram.h"

#include <cstdio>
#include <vector>

namespace RenderInterface {
namespace {

constexpr const char* VersionLine = "#version 330 core\n";

std::string InfoLog(GLuint object, bool isProgram) {
    GLint length = 0;
    if (isProgram) {
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    }
    std::string log(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    if (isProgram) {
        glGetProgramInfoLog(object, length, nullptr, log.data());
    } else {
        glGetShaderInfoLog(object, length, nullptr, log.data());
    }
    return log.c_str();
}

GlShader Compile(const std::string& programName, GLenum stage, std::initializer_list<const char*> pieces) {
    std::vector<const char*> sources{VersionLine};
    sources.insert(sources.end(), pieces.begin(), pieces.end());
    GlShader shader(glCreateShader(stage));
    glShaderSource(shader.Get(), static_cast<GLsizei>(sources.size()), sources.data(), nullptr);
    glCompileShader(shader.Get());
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader.Get(), GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        std::fprintf(stderr, "Renderer: the %s %s shader does not compile:\n%s\n", programName.c_str(),
                     stage == GL_VERTEX_SHADER ? "vertex" : "fragment", InfoLog(shader.Get(), false).c_str());
        return GlShader();
    }
    return shader;
}

}  // namespace

ShaderProgram::ShaderProgram(const char* programName, std::initializer_list<const char*> vertexPieces,
                             std::initializer_list<const char*> fragmentPieces)
    : name(programName) {
    const GlShader vertex = Compile(name, GL_VERTEX_SHADER, vertexPieces);
    const GlShader fragment = Compile(name, GL_FRAGMENT_SHADER, fragmentPieces);
    if (!vertex || !fragment) return;

    GlProgram linked(glCreateProgram());
    glAttachShader(linked.Get(), vertex.Get());
    glAttachShader(linked.Get(), fragment.Get());
    glLinkProgram(linked.Get());
    GLint ok = GL_FALSE;
    glGetProgramiv(linked.Get(), GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        std::fprintf(stderr, "Renderer: the %s program does not link:\n%s\n", name.c_str(),
                     InfoLog(linked.Get(), true).c_str());
        return;
    }
    glDetachShader(linked.Get(), vertex.Get());
    glDetachShader(linked.Get(), fragment.Get());
    program = std::move(linked);
}

bool ShaderProgram::Use() const {
    if (!program) return false;
    glUseProgram(program.Get());
    return true;
}

GLint ShaderProgram::Uniform(const char* uniformName) const {
    return program ? glGetUniformLocation(program.Get(), uniformName) : -1;
}

}  // namespace RenderInterface
