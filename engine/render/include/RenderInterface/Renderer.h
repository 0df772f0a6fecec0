#pragma once
#include <cstdint>
#include <vector>

#include <Math/Math.h>
#include <RenderInterface/Animation.h>
#include <RenderInterface/RenderConfig.h>
#include <RenderInterface/SceneObjects.h>

namespace RenderInterface {

// What a registration did. Registering a name again replaces the earlier resource.
enum class ResourceResult {
    Loaded = 0,        // read and registered
    FileNotFound = 1,  // no file at the path
    ReadFailed = 2,    // the file exists but could not be read
    BadFormat = 3,     // the contents are truncated, oversized or inconsistent
    BadName = 4,       // null or empty path or name
};

// Where a debug primitive is drawn. Both are world-space positions.
enum class DebugRenderSpace : int {
    World = 1,    // depth-tested against the scene
    Overlay = 2,  // drawn over the scene (axis gizmos)
};

// Loads asset files and makes them available by name. Paths may use '\' or '/'.
// A file that cannot be used is reported once on stderr with its path and the reason,
// and nothing is registered under the name.
class ResourceContent {
public:
    virtual ResourceResult RegisterTexture(const char* path, const char* name) = 0;    // DDS cube map
    virtual ResourceResult RegisterModel(const char* path, const char* name) = 0;      // .mesh
    virtual ResourceResult RegisterSkeleton(const char* path, const char* name) = 0;   // .ske
    virtual ResourceResult RegisterAnimation(const char* path, const char* name) = 0;  // .anim

protected:
    ~ResourceContent() = default;
};

// Lines and spheres queued during a frame, drawn by the next Render() and then cleared.
class DebugRenderer {
public:
    virtual void DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                          const Math::Vector4& color1, DebugRenderSpace space) = 0;
    virtual void DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                            DebugRenderSpace space) = 0;

protected:
    ~DebugRenderer() = default;
};

// Registration of scene objects. The renderer never owns them: the caller unregisters and
// deletes them. Registering an object twice has no further effect.
class SceneFactory {
public:
    virtual void Register(Renderable* object) = 0;
    virtual void UnRegister(Renderable* object) = 0;

protected:
    ~SceneFactory() = default;
};

// Views onto the scene. The most recently created view that is still alive is drawn.
class Scene {
public:
    virtual CameraView* CreateView(float width, float height, float nearPlane, float farPlane, float fovY) = 0;
    virtual void ReleaseView(CameraView* view) = 0;

protected:
    ~Scene() = default;
};

class Renderer : public ResourceContent, public DebugRenderer, public SceneFactory, public Scene {
public:
    virtual ~Renderer() = default;

    // The graphics device: here the OpenGL context (an SDL_GLContext).
    virtual void* GetDevice() = 0;
    virtual void ResizeRenderTargets(unsigned width, unsigned height) = 0;
    // Draws the scene into the window's back buffer.
    virtual void Render() = 0;
    // Shows the back buffer, waiting for the display (or pacing to 60 Hz where there is none).
    virtual void Present() = 0;

    virtual unsigned GetRenderTargetWidth() const = 0;
    virtual unsigned GetRenderTargetHeight() const = 0;
    // Reads the back buffer as tightly packed RGBA8 rows, top row first. For tests and tools.
    virtual void ReadFrame(std::vector<std::uint8_t>& rgba) = 0;
};

// Creates the renderer for an SDL window (the native handle is the SDL_Window*). The window
// must have been created with SDL_WINDOW_OPENGL. Returns null, with a message on stderr,
// when no OpenGL 3.3 core context can be made.
Renderer* CreateRenderSystem(const RenderConfig& config, void* nativeWindow);
void DestroyRenderSystem(Renderer* renderer);

}  // namespace RenderInterface
