#pragma once
// A renderer that forwards every call to a real renderer and records it, so a test can check what a
// scene registered and drew, in which order and with which values. Registrations record text {path,
// name} and the result; Register/UnRegister the object; CreateView/ReleaseView the view; DrawLine
// values {p0, color0, p1, color1, space} and DrawSphere {center, radius, color, space}, each vector
// spelled out; the rest only their name.
#include <optional>
#include <string>
#include <utility>
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

    std::vector<RecordedCall> Calls(const std::string& operation) const {
        std::vector<RecordedCall> matching;
        for (const RecordedCall& call : calls)
            if (call.operation == operation) matching.push_back(call);
        return matching;
    }
    std::vector<std::string> Operations() const {
        std::vector<std::string> names;
        for (const RecordedCall& call : calls) names.push_back(call.operation);
        return names;
    }
    // One line per call, its operation and text (for failure messages).
    std::string Transcript() const {
        std::string all;
        for (const RecordedCall& call : calls) {
            all += call.operation;
            for (const std::string& part : call.text) all += " " + part;
            all += '\n';
        }
        return all;
    }

    using Result = RenderInterface::ResourceResult;
    Result RegisterTexture(const char* path, const char* name) override {
        return Registered("RegisterTexture", path, name, inner.RegisterTexture(path, name));
    }
    Result RegisterModel(const char* path, const char* name) override {
        return Registered("RegisterModel", path, name, inner.RegisterModel(path, name));
    }
    Result RegisterSkeleton(const char* path, const char* name) override {
        return Registered("RegisterSkeleton", path, name, inner.RegisterSkeleton(path, name));
    }
    Result RegisterAnimation(const char* path, const char* name) override {
        return Registered("RegisterAnimation", path, name, inner.RegisterAnimation(path, name));
    }
    void DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                  const Math::Vector4& color1, RenderInterface::DebugRenderSpace space) override {
        Record("DrawLine", {p0.x, p0.y, p0.z, color0.x, color0.y, color0.z, color0.w, p1.x, p1.y, p1.z, color1.x,
                            color1.y, color1.z, color1.w, static_cast<float>(space)});
        inner.DrawLine(p0, color0, p1, color1, space);
    }
    void DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                    RenderInterface::DebugRenderSpace space) override {
        Record("DrawSphere", {center.x, center.y, center.z, radius, color.x, color.y, color.z, color.w,
                              static_cast<float>(space)});
        inner.DrawSphere(center, radius, color, space);
    }
    void Register(RenderInterface::Renderable* object) override { Record("Register").renderable = object; inner.Register(object); }
    void UnRegister(RenderInterface::Renderable* object) override { Record("UnRegister").renderable = object; inner.UnRegister(object); }
    RenderInterface::CameraView* CreateView(float width, float height, float nearPlane, float farPlane, float fovY) override {
        return Record("CreateView").view = inner.CreateView(width, height, nearPlane, farPlane, fovY);
    }
    void ReleaseView(RenderInterface::CameraView* view) override { Record("ReleaseView").view = view; inner.ReleaseView(view); }
    void* GetDevice() override { Record("GetDevice"); return inner.GetDevice(); }
    void ResizeRenderTargets(unsigned width, unsigned height) override {
        Record("ResizeRenderTargets");
        inner.ResizeRenderTargets(width, height);
    }
    void Render() override { Record("Render"); inner.Render(); }
    void Present() override { Record("Present"); inner.Present(); }
    unsigned GetRenderTargetWidth() const override { return inner.GetRenderTargetWidth(); }
    unsigned GetRenderTargetHeight() const override { return inner.GetRenderTargetHeight(); }
    void ReadFrame(std::vector<std::uint8_t>& rgba) override { Record("ReadFrame"); inner.ReadFrame(rgba); }

private:
    RecordedCall& Record(const char* operation, std::vector<float> values = {}) {
        RecordedCall& call = calls.emplace_back();
        call.operation = operation;
        call.values = std::move(values);
        return call;
    }
    Result Registered(const char* operation, const char* path, const char* name, Result result) {
        RecordedCall& call = Record(operation);
        call.text = {path ? path : "(null)", name ? name : "(null)"};
        call.result = result;
        return result;
    }

    RenderInterface::Renderer& inner;
};

}  // namespace TestSupport
