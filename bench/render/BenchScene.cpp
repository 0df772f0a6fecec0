#include "BenchScene.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include <Assets/Formats.h>

namespace {

constexpr int BoneCount = 50;
constexpr float Pi = 3.14159265f;

// A tube 180 units tall made of rings, each band of rings bound to one of the bones stacked up
// its height: 100 rings of 50 segments give 9,800 triangles.
Assets::MeshData MakeFigure() {
    constexpr int rings = 100;
    constexpr int segments = 50;
    Assets::MeshData mesh;
    mesh.skinned = true;
    for (int ring = 0; ring < rings; ++ring) {
        const float height = 180.0f * static_cast<float>(ring) / (rings - 1);
        const float radius = 20.0f + 8.0f * std::sin(static_cast<float>(ring) * 0.2f);
        const auto bone = static_cast<std::uint8_t>(ring * BoneCount / rings);
        for (int segment = 0; segment < segments; ++segment) {
            const float angle = 2.0f * Pi * static_cast<float>(segment) / segments;
            Assets::MeshVertex v;
            v.position = Math::Vector3(radius * std::cos(angle), height, radius * std::sin(angle));
            v.normal = Math::Vector3(std::cos(angle), 0.0f, std::sin(angle));
            v.color = {180, 186, 196, 255};
            v.boneIndices = {bone, static_cast<std::uint8_t>(std::min(bone + 1, BoneCount - 1)), 0, 0};
            v.boneWeights = {0.7f, 0.3f, 0.0f, 0.0f};
            mesh.vertices.push_back(v);
        }
    }
    for (int ring = 0; ring + 1 < rings; ++ring) {
        for (int segment = 0; segment < segments; ++segment) {
            const auto a = static_cast<std::uint32_t>(ring * segments + segment);
            const auto b = static_cast<std::uint32_t>(ring * segments + (segment + 1) % segments);
            const std::uint32_t c = a + segments;
            const std::uint32_t d = b + segments;
            mesh.indices.insert(mesh.indices.end(), {a, c, b, b, c, d});
        }
    }
    return mesh;
}

// A unit cube, eight corners shared by its twelve triangles.
Assets::MeshData MakeCube(std::array<std::uint8_t, 4> color) {
    Assets::MeshData mesh;
    for (int corner = 0; corner < 8; ++corner) {
        Assets::MeshVertex v;
        v.position = Math::Vector3(corner & 1 ? 1.0f : -1.0f, corner & 2 ? 1.0f : -1.0f, corner & 4 ? 1.0f : -1.0f);
        v.normal = Math::Normalized(v.position);
        v.color = color;
        mesh.vertices.push_back(v);
    }
    mesh.indices = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                    2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    return mesh;
}

Assets::CubeMapData MakeSky() {
    constexpr std::uint32_t size = 256;
    Assets::CubeMapData sky;
    sky.size = size;
    for (std::size_t face = 0; face < 6; ++face) {
        for (std::uint32_t row = 0; row < size; ++row) {
            const auto shade = static_cast<std::uint8_t>(120 + row / 4);
            for (std::uint32_t column = 0; column < size; ++column) {
                sky.faces[face].insert(sky.faces[face].end(), {static_cast<std::uint8_t>(shade - 60),
                                                               static_cast<std::uint8_t>(shade - 20), 230, 255});
            }
        }
    }
    return sky;
}

Assets::SkeletonData MakeSkeleton() {
    Assets::SkeletonData skeleton;
    for (int i = 0; i < BoneCount; ++i) {
        Assets::BoneData bone;
        bone.name = "bone" + std::to_string(i);
        bone.parent = i - 1;
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

}  // namespace

BenchScene::BenchScene()
    : directory((std::filesystem::temp_directory_path() / ("vantor-render-bench-" + std::to_string(::getpid()))).string()),
      skinning(BoneCount) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    window = SDL_CreateWindow("render bench", 0, 0, 1400, 800, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) return;
    RenderInterface::RenderConfig config;
    config.width = 1400.0f;
    config.height = 800.0f;
    renderer = RenderInterface::CreateRenderSystem(config, window);
    if (renderer == nullptr) return;
    WriteAndRegisterAssets();

    for (RenderInterface::Renderable* object :
         std::initializer_list<RenderInterface::Renderable*>{&sky, &floor, &light, &figure, &weapon}) {
        renderer->Register(object);
    }
    sky.SetTextureName("sky");
    floor.SetModelName("floor");
    floor.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0, -10, 0), Math::Quaternion::identity,
                                            Math::Vector3(1000, 10, 1000)));
    light.SetLightDirection(Math::Vector3(0, -1, 1));
    light.SetStrength(3.0f);
    figure.SetModelName("figure");
    figure.SetSkeleton("skeleton");
    weapon.SetModelName("weapon");
    RenderInterface::CameraView* view = renderer->CreateView(1400, 800, 0.1f, 10000.0f, 0.7853982f);
    view->GetCamera().SetPosition(Math::Vector3(-12, 120, 595));
}

BenchScene::~BenchScene() {
    if (renderer != nullptr) {
        for (RenderInterface::Renderable* object :
             std::initializer_list<RenderInterface::Renderable*>{&sky, &floor, &light, &figure, &weapon}) {
            renderer->UnRegister(object);
        }
        RenderInterface::DestroyRenderSystem(renderer);
    }
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

void BenchScene::WriteAndRegisterAssets() {
    std::filesystem::create_directories(directory);
    std::string error;
    const auto Write = [&](const std::string& name, const Assets::Bytes& bytes) {
        const std::string path = directory + "/" + name;
        if (!Assets::WriteFileBytes(path, bytes, error)) std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        return path;
    };
    renderer->RegisterTexture(Write("sky.dds", Assets::WriteCubeMapDds(MakeSky())).c_str(), "sky");
    renderer->RegisterModel(Write("floor.mesh", Assets::WriteMesh(MakeCube({150, 146, 136, 255}))).c_str(), "floor");
    renderer->RegisterModel(Write("weapon.mesh", Assets::WriteMesh(MakeCube({200, 200, 210, 255}))).c_str(), "weapon");
    renderer->RegisterModel(Write("figure.mesh", Assets::WriteMesh(MakeFigure())).c_str(), "figure");
    renderer->RegisterSkeleton(Write("figure.ske", Assets::WriteSkeleton(MakeSkeleton())).c_str(), "skeleton");
}

void BenchScene::PrepareFrame(int frame) {
    const float phase = 0.05f * static_cast<float>(frame);
    const Math::Vector3 position(300.0f * std::cos(phase), 0.0f, 300.0f * std::sin(phase));
    const Math::Matrix4 world = Math::Matrix4::TRS(position, Math::Quaternion::RotateY(-phase), Math::Vector3(0.3f, 0.3f, 0.3f));
    figure.SetWorldMatrix(world);
    for (int bone = 0; bone < BoneCount; ++bone) {
        const float sway = 0.05f * std::sin(phase + 0.3f * static_cast<float>(bone));
        skinning[static_cast<std::size_t>(bone)] =
            Math::Matrix4::TRS(Math::Vector3(sway * 40.0f, 0, 0), Math::Quaternion::RotateZ(sway), Math::Vector3::one);
    }
    figure.SetSkinningMatricies(skinning);
    weapon.SetWorldMatrix(world * Math::Matrix4::TRS(Math::Vector3(30, 100, 10), Math::Quaternion::identity,
                                                     Math::Vector3(3, 40, 3)));

    // The demo's debug drawing: 13 control points, a 61-line path and three axis lines.
    for (int i = 0; i < 13; ++i) {
        const float angle = 2.0f * Pi * static_cast<float>(i) / 13.0f;
        renderer->DrawSphere(Math::Vector3(300 * std::cos(angle), 0, 300 * std::sin(angle)), 5.0f,
                             Math::Vector4::unit_y, RenderInterface::DebugRenderSpace::World);
    }
    for (int i = 0; i < 61; ++i) {
        const float a0 = 2.0f * Pi * static_cast<float>(i) / 61.0f;
        const float a1 = 2.0f * Pi * static_cast<float>(i + 1) / 61.0f;
        renderer->DrawLine(Math::Vector3(300 * std::cos(a0), 0, 300 * std::sin(a0)), Math::Vector4::unit_x,
                           Math::Vector3(300 * std::cos(a1), 0, 300 * std::sin(a1)), Math::Vector4::unit_x,
                           RenderInterface::DebugRenderSpace::World);
    }
    const Math::Vector4 axisColors[3] = {Math::Vector4::unit_x, Math::Vector4::unit_y, Math::Vector4::unit_z};
    const Math::Vector3 axes[3] = {Math::Vector3::unit_x, Math::Vector3::unit_y, Math::Vector3::unit_z};
    for (int axis = 0; axis < 3; ++axis) {
        renderer->DrawLine(position, axisColors[axis], position + axes[axis] * 50.0f, axisColors[axis],
                           RenderInterface::DebugRenderSpace::Overlay);
    }
}
