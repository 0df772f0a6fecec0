#pragma once
// A linked GLSL program built from source pieces. Every program of the renderer starts with the
// same "#version 330 core" line and may prepend defines and shared functions.
#include <initializer_list>
#include <string>

#include "GlObjects.h"

namespace RenderInterface {

class ShaderProgram {
public:
    // Compiles and links; on failure reports the driver's log on stderr, and the program stays
    // unusable (Use() returns false and nothing is drawn with it).
    ShaderProgram(const char* name, std::initializer_list<const char*> vertexPieces,
                  std::initializer_list<const char*> fragmentPieces);

    // Binds the program; false when it failed to build.
    bool Use() const;
    // Location of a uniform, -1 when the program has none of that name (setting -1 is a no-op).
    GLint Uniform(const char* uniformName) const;

private:
    std::string name;
    GlProgram program;
};

}  // namespace RenderInterface
