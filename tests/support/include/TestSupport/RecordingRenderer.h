#pragma once
// A renderer that forwards every call to a real renderer and records it, so a test can check
// what a scene registered and drew, in which order and with which values, e.g.
// recorder.Calls("RegisterModel")[0].text[1] == "Sword".
// Registrations record text {path, name} and the result; Register/UnRegister the object;
// CreateView values {width, height, near, far, fovY} and the view; ReleaseView the view; DrawLine
// values {p0, color0, p1, color1, space} and DrawSphere {center, radius, color, space}, each
// vector spelled out; ResizeRenderTargets {width, height}; the rest only their name.
#include <optional>
#include <string>
#include <vector>

#include <RenderInterface/Renderer.h>

namespace TestSupport {

struct RecordedCall {
    std::string operation;  // the Renderer member called, e.g. "RegisterModel"
    std::vector<std::string> text;
    std::vector<float> values;
    RenderInterface::Renderable* renderable = nullptr;
    RenderInterface::CameraView* view = nullptr;
    std::optional<RenderInterface::ResourceResult> result;
};

class RecordingRenderer final : public RenderInterface::Renderer {
public:
    // `inner` must outlive the recorder.
    explicit RecordingRenderer(RenderInterface::Renderer& inner) : inner(inner) {}

    std::vector<RecordedCall> calls;  // oldest first

    std::vector<RecordedCall> Calls(const std::string& operation) const;
    std::size_t Count(const std::string& operation) const { return Calls(operation).size(); }
    std::vector<std::string> Operations() const;
    // One line per call, its operation and text (for failure messages).
    std::string Transcript() const;

    RenderInterface::ResourceResult RegisterTexture(const char* path, const char* name) override;
    RenderInterface::ResourceResult RegisterModel(const char* path, const char* name) override;
    RenderInterface::ResourceResult RegisterSkeleton(const char* path, const char* name) override;
    RenderInterface::ResourceResult RegisterAnimation(const char* path, const char* name) override;
    void DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                  const Math::Vector4& color1, RenderInterface::DebugRenderSpace space) override;
    void DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                    RenderInterface::DebugRenderSpace space) override;
    void Register(RenderInterface::Renderable* object) override;
    void UnRegister(RenderInterface::Renderable* object) override;
    RenderInterface::CameraView* CreateView(float width, float height, float nearPlane, float farPlane,
                                            float fovY) override;
    void ReleaseView(RenderInterface::CameraView* view) override;
    void* GetDevice() override;
    void ResizeRenderTargets(unsigned width, unsigned height) override;
    void Render() override;
    void Present() override;
    unsigned GetRenderTargetWidth() const override { return inner.GetRenderTargetWidth(); }
    unsigned GetRenderTargetHeight() const override { return inner.GetRenderTargetHeight(); }
    void ReadFrame(std::vector<std::uint8_t>& rgba) override;

private:
    RecordedCall& Record(const char* operation, std::vector<float> values = {});
    RenderInterface::ResourceResult Registered(const char* operation, const char* path, const char* name,
                                               RenderInterface::ResourceResult result);

    RenderInterface::Renderer& inner;
};

}  // namespace TestSupport
