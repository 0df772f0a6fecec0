#pragma once
// Creation of the renderer's OpenGL context on an SDL window.
#include <SDL.h>

namespace RenderInterface {

// Creates an OpenGL 3.3 core context on `window` and makes it current. With `debugOutput` the
// driver's debug messages go to stderr. Returns null, after one line on stderr saying why,
// when the window cannot carry such a context.
SDL_GLContext CreateGlContext(SDL_Window* window, bool debugOutput);

}  // namespace RenderInterface
