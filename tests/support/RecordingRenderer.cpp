#include <TestSupport/RecordingRenderer.h>

namespace TestSupport {

using namespace RenderInterface;

std::vector<RecordedCall> RecordingRenderer::Calls(const std::string& operation) const {
    std::vector<RecordedCall> matching;
    for (const RecordedCall& call : calls)
        if (call.operation == operation) matching.push_back(call);
    return matching;
}

std::vector<std::string> RecordingRenderer::Operations() const {
    std::vector<std::string> names;
    for (const RecordedCall& call : calls) names.push_back(call.operation);
    return names;
}

std::string RecordingRenderer::Transcript() const {
    std::string all;
    for (const RecordedCall& call : calls) {
        all += call.operation;
        for (const std::string& part : call.text) all += " " + part;
        all += '\n';
    }
    return all;
}

RecordedCall& RecordingRenderer::Record(const char* operation, std::vector<float> values) {
    RecordedCall& call = calls.emplace_back();
    call.operation = operation;
    call.values = std::move(values);
    return call;
}

ResourceResult RecordingRenderer::Registered(const char* operation, const char* path, const char* name,
                                             ResourceResult result) {
    RecordedCall& call = Record(operation);
    call.text = {path ? path : "(null)", name ? name : "(null)"};
    call.result = result;
    return result;
}

void RecordingRenderer::DrawLine(const Math::Vector3& p0, const Math::Vector4& color0, const Math::Vector3& p1,
                                 const Math::Vector4& color1, DebugRenderSpace space) {
    Record("DrawLine", {p0.x, p0.y, p0.z, color0.x, color0.y, color0.z, color0.w, p1.x, p1.y, p1.z, color1.x,
                        color1.y, color1.z, color1.w, static_cast<float>(space)});
    inner.DrawLine(p0, color0, p1, color1, space);
}

void RecordingRenderer::DrawSphere(const Math::Vector3& center, float radius, const Math::Vector4& color,
                                   DebugRenderSpace space) {
    Record("DrawSphere", {center.x, center.y, center.z, radius, color.x, color.y, color.z, color.w,
                          static_cast<float>(space)});
    inner.DrawSphere(center, radius, color, space);
}

}  // namespace TestSupport
