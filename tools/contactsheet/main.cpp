// vantor-contact-sheet <build-dir>: renders every generated model, the warrior walking and
// running with each weapon, a few other clips and both skies through the real renderer on an
// offscreen window, into <build-dir>/screenshots/assets.png, so the assets can be checked at a glance.
#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <RenderInterface/Renderer.h>
#include <Rotations.h>
#include <WarriorSkeleton.h>
#include <Weapons.h>

#include "PngWriter.h"
#include "Stage.h"
#include "TileLabels.h"

namespace {

using Math::Matrix4;
using Math::Quaternion;
using Math::Vector3;
using ContactSheet::Stage;

constexpr unsigned kTileWidth = 256;
constexpr unsigned kTileHeight = 320;
constexpr unsigned kColumns = 6;
constexpr float kCharacterScale = 0.3f;  // as the app draws the player

struct Shot {
    std::string label;
    unsigned span;  // tiles wide
    std::function<void(Stage&)> setup;
};

struct Bounds {
    Vector3 low, high;
};

// The model's extent once placed by `world`.
Bounds MeasureModel(const std::string& path, const Matrix4& world) {
    Assets::Bytes bytes;
    Assets::MeshData mesh;
    std::string error;
    Bounds bounds{Vector3(-1, -1, -1), Vector3(1, 1, 1)};
    if (!Assets::ReadFileBytes(path, bytes, error) || !Assets::ReadMesh(bytes, mesh, error)) {
        return bounds;
    }
    bounds = {Vector3(1e9f, 1e9f, 1e9f), Vector3(-1e9f, -1e9f, -1e9f)};
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        const Vector3 p = Math::TransformPoint(world, vertex.position);
        bounds.low = Vector3(std::fmin(bounds.low.x, p.x), std::fmin(bounds.low.y, p.y), std::fmin(bounds.low.z, p.z));
        bounds.high = Vector3(std::fmax(bounds.high.x, p.x), std::fmax(bounds.high.y, p.y), std::fmax(bounds.high.z, p.z));
    }
    return bounds;
}

// Camera looking at the bounds' centre from `direction`, far enough to fit them.
void Frame(Stage& stage, const Bounds& bounds, const Vector3& direction, float fovY) {
    const Vector3 center = (bounds.low + bounds.high) * 0.5f;
    const float radius = 0.5f * Math::Length(bounds.high - bounds.low);
    const float distance = radius / std::tan(0.5f * fovY) * 1.05f;
    stage.Look(center + Math::Normalized(direction) * distance, center, fovY);
}

Matrix4 CharacterWorld(const Vector3& position, float heading) {
    return Matrix4::TRS(position, Quaternion::RotateY(heading), Vector3::one * kCharacterScale);
}

std::vector<Shot> Shots(const std::string& root) {
    const float fov = AssetGen::Radians(38.0f);
    const Vector3 front(0.45f, 0.12f, 1.0f);
    const Vector3 weaponSide(-1.0f, 0.18f, 0.45f);
    const Vector3 body(0.0f, 27.0f, 0.0f);
    auto warrior = [=](Stage& stage, const char* clip, float time, const char* weapon, const Vector3& from) {
        stage.ShowSky("CubeMap");
        stage.ShowFloor();
        stage.ShowWarrior(CharacterWorld(Vector3::zero, 0.0f), clip, time, weapon);
        stage.Look(body + Math::Normalized(from) * 98.0f, body, fov);
    };
    // Weapons are stored in the hand's space; shown on their own in their grip frame, upright.
    const Matrix4 display = Math::ToMatrix4(Math::Conjugate(AssetGen::GripFrameToHandBone()));
    auto prop = [=](const char* name, const char* file, const Vector3& from) {
        return [=](Stage& stage) {
            stage.ShowSky("CubeMap");
            const Matrix4 world = Matrix4::TRS(Vector3(0.0f, 0.0f, 0.0f), Quaternion::identity, Vector3::one) * display;
            stage.ShowModel(name, world);
            Frame(stage, MeasureModel(root + "/resources/models/" + file, world), from, fov);
        };
    };
    auto fist = [=](const char* weapon, const Vector3& from) {
        return [=](Stage& stage) {
            stage.ShowSky("CubeMap");
            stage.ShowWarrior(CharacterWorld(Vector3::zero, 0.0f), "Walk", 0.0f, weapon);
            const Vector3 hand = stage.BonePosition(AssetGen::RightHand);
            stage.Look(hand + Math::Normalized(from) * 26.0f, hand, AssetGen::Radians(30.0f));
        };
    };

    std::vector<Shot> shots;
    shots.push_back({"WARRIOR", 1, [=](Stage& s) { warrior(s, nullptr, 0.0f, nullptr, front); }});
    shots.push_back({"WARRIOR BACK", 1, [=](Stage& s) { warrior(s, nullptr, 0.0f, nullptr, Vector3(-0.7f, 0.25f, -0.8f)); }});
    shots.push_back({"HUMAN", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap");
                         s.ShowFloor();
                         s.ShowModel("Human", CharacterWorld(Vector3::zero, 0.0f));
                         s.Look(body + Math::Normalized(front) * 98.0f, body, fov);
                     }});
    shots.push_back({"SWORD", 1, prop("Sword", "Sword.mesh", Vector3(1.0f, 0.1f, 0.25f))});
    shots.push_back({"SHIELD", 1, prop("Shield", "Shield.mesh", Vector3(-1.0f, 0.2f, 0.4f))});
    shots.push_back({"GUN", 1, prop("Gun", "Cerberus.mesh", Vector3(1.0f, 0.15f, 0.2f))});
    const char* weapons[3] = {"Sword", "Shield", "Gun"};
    for (const char* clip : {"Walk", "Run"}) {
        for (int k = 0; k < 4; ++k) {
            const float time = 0.075f * static_cast<float>(k);
            char label[48];
            std::snprintf(label, sizeof label, "%s %.3f", clip, static_cast<double>(time));
            shots.push_back({label, 1, [=](Stage& s) { warrior(s, clip, time, "Sword", weaponSide); }});
        }
        for (int k = 1; k < 3; ++k) {
            const float time = 0.1f * static_cast<float>(k);
            shots.push_back({std::string(clip) + " " + weapons[k], 1,
                             [=](Stage& s) { warrior(s, clip, time, weapons[k], weaponSide); }});
        }
    }
    shots.push_back({"FIST SWORD", 1, fist("Sword", Vector3(-1.0f, 0.3f, 0.5f))});
    shots.push_back({"FIST GUN", 1, fist("Gun", Vector3(-1.0f, 0.2f, 0.2f))});
    shots.push_back({"FIST SHIELD", 1, fist("Shield", Vector3(0.6f, 0.3f, 1.0f))});
    shots.push_back({"GUARD", 1, [=](Stage& s) { warrior(s, "Guard", 0.5f, "Sword", front); }});
    shots.push_back({"ATTACK2", 1, [=](Stage& s) { warrior(s, "Attack2", 0.16f, "Sword", weaponSide); }});
    shots.push_back({"DIE", 1, [=](Stage& s) { warrior(s, "Die", 0.7f, "Sword", Vector3(1.0f, 0.6f, 0.4f)); }});
    shots.push_back({"HEAD", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap");
                         s.ShowWarrior(CharacterWorld(Vector3::zero, 0.0f), nullptr, 0.0f, nullptr);
                         const Vector3 head = s.BonePosition(AssetGen::Head) + Vector3(0.0f, 2.5f, 0.0f);
                         s.Look(head + Math::Normalized(Vector3(0.5f, 0.1f, 1.0f)) * 22.0f, head, AssetGen::Radians(35.0f));
                     }});
    shots.push_back({"ATTACK1", 1, [=](Stage& s) { warrior(s, "Attack1", 0.2f, "Sword", front); }});
    shots.push_back({"ATTACK3", 1, [=](Stage& s) { warrior(s, "Attack3", 0.28f, "Sword", weaponSide); }});
    shots.push_back({"SKILL1", 1, [=](Stage& s) { warrior(s, "Skill1", 0.3f, "Sword", front); }});
    shots.push_back({"SKILL2", 1, [=](Stage& s) { warrior(s, "Skill2", 0.24f, "Sword", weaponSide); }});
    shots.push_back({"SKILL5", 1, [=](Stage& s) { warrior(s, "Skill5", 0.36f, "Sword", weaponSide); }});
    shots.push_back({"DEMO START VIEW", 2, [=](Stage& s) {
                         s.ShowSky("CubeMap");
                         s.ShowFloor();
                         s.ShowWarrior(CharacterWorld(Vector3(-100.0f, 0.0f, 100.0f), 0.0f), "Walk", 0.1f, "Sword");
                         s.Look(Vector3(-12.0f, 120.0f, 595.0f), Vector3(-12.0f, 120.0f, 594.0f), 0.7853982f);
                     }});
    shots.push_back({"SKY TO SUN", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap");
                         s.ShowFloor();
                         s.Look(Vector3(0.0f, 30.0f, 0.0f), Vector3(0.0f, 30.7f, -1.0f), AssetGen::Radians(90.0f));
                     }});
    shots.push_back({"SKY EAST", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap");
                         s.ShowFloor();
                         s.Look(Vector3(0.0f, 30.0f, 0.0f), Vector3(1.0f, 30.3f, 0.0f), AssetGen::Radians(90.0f));
                     }});
    shots.push_back({"CITY DUSK", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap2");
                         s.Look(Vector3::zero, Vector3(0.0f, 0.15f, -1.0f), AssetGen::Radians(90.0f));
                     }});
    shots.push_back({"CITY DUSK EAST", 1, [=](Stage& s) {
                         s.ShowSky("CubeMap2");
                         s.Look(Vector3::zero, Vector3(1.0f, 0.15f, 0.0f), AssetGen::Radians(90.0f));
                     }});
    return shots;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "vantor-contact-sheet: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantor-contact-sheet <build-dir>\n");
        return 2;
    }
    const std::string root = argv[1];
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return Fail(std::string("SDL video did not start: ") + SDL_GetError());
    }
    SDL_Window* window = SDL_CreateWindow("Vantor contact sheet", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          static_cast<int>(2 * kTileWidth), static_cast<int>(kTileHeight),
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        return Fail(std::string("no window: ") + SDL_GetError());
    }
    RenderInterface::RenderConfig config;
    config.width = static_cast<float>(kTileWidth);
    config.height = static_cast<float>(kTileHeight);
    RenderInterface::Renderer* renderer = RenderInterface::CreateRenderSystem(config, window);
    if (renderer == nullptr) {
        SDL_DestroyWindow(window);
        return Fail("no OpenGL 3.3 renderer");
    }

    int status = 0;
    {
        Stage stage(*renderer);
        std::string error;
        if (!stage.LoadResources(root, error)) {
            status = Fail(error);
        } else {
            const std::vector<Shot> shots = Shots(root);
            unsigned tiles = 0;
            for (const Shot& shot : shots) {
                tiles += shot.span;
            }
            const unsigned rows = (tiles + kColumns - 1) / kColumns;
            const unsigned sheetWidth = kColumns * kTileWidth, sheetHeight = rows * kTileHeight;
            std::vector<std::uint8_t> sheet(static_cast<size_t>(sheetWidth) * sheetHeight * 4, 0);
            unsigned slot = 0;
            std::vector<std::uint8_t> frame;
            for (const Shot& shot : shots) {
                if (slot % kColumns + shot.span > kColumns) {
                    slot += kColumns - slot % kColumns;
                }
                const unsigned width = shot.span * kTileWidth;
                renderer->ResizeRenderTargets(width, kTileHeight);
                stage.Clear();
                shot.setup(stage);
                renderer->Render();
                renderer->ReadFrame(frame);
                const unsigned left = (slot % kColumns) * kTileWidth, top = (slot / kColumns) * kTileHeight;
                for (unsigned y = 0; y < kTileHeight && !frame.empty(); ++y) {
                    std::copy_n(&frame[static_cast<size_t>(y) * width * 4], width * 4,
                                &sheet[(static_cast<size_t>(top + y) * sheetWidth + left) * 4]);
                }
                ContactSheet::DrawLabel(sheet, sheetWidth, sheetHeight, left + 6, top + 6, shot.label);
                slot += shot.span;
            }
            const std::filesystem::path out = std::filesystem::path(root) / "screenshots" / "assets.png";
            std::filesystem::create_directories(out.parent_path());
            std::string reason;
            if (!Assets::WriteFileBytes(out.string(), ContactSheet::EncodePng(sheetWidth, sheetHeight, sheet), reason)) {
                status = Fail(out.string() + ": " + reason);
            } else {
                std::printf("%s\n", out.string().c_str());
            }
        }
    }
    RenderInterface::DestroyRenderSystem(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return status;
}
