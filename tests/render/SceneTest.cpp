// The renderer's files and what it draws, read back where glm projects the scene (offscreen driver).
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <Assets/Formats.h>
#include <RenderInterface/RenderStatistics.h>
#include <TestSupport/OffscreenRenderer.h>

namespace {

using Rgba = std::array<std::uint8_t, 4>;

Math::Matrix4 Translation(float x, float y, float z) {
    return Math::Matrix4::TRS(Math::Vector3(x, y, z), Math::Quaternion::identity, Math::Vector3::one);
}

// Adds an axis-aligned cube of side 2: outward normals, counter-clockwise faces, skinned vertices
// on `bone`.
void AddBox(Assets::MeshData& mesh, const Math::Vector3& center, Rgba color, std::uint8_t bone = 0) {
    const Math::Vector3 axes[3] = {Math::Vector3::unit_x, Math::Vector3::unit_y, Math::Vector3::unit_z};
    for (int axis = 0; axis < 3; ++axis) {
        for (const float sign : {1.0f, -1.0f}) {
            // u x v is the normal, so the corners below run counter-clockwise seen from outside.
            const Math::Vector3 normal = axes[axis] * sign, u = axes[(axis + 1) % 3] * sign, v = axes[(axis + 2) % 3];
            const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
            for (const auto& [a, b] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
                const Math::Vector3 corner = normal + u * a + v * b;
                Assets::MeshVertex vertex;
                vertex.position = center + corner;
                vertex.normal = normal;
                vertex.color = color;
                if (mesh.skinned) vertex.boneIndices = {bone, 0, 0, 0};
                mesh.vertices.push_back(vertex);
            }
            for (std::uint32_t index : {0u, 1u, 2u, 0u, 2u, 3u}) mesh.indices.push_back(first + index);
        }
    }
}

Assets::MeshData MakeBox(Rgba color) {
    Assets::MeshData mesh;
    AddBox(mesh, Math::Vector3::zero, color);
    return mesh;
}

// Writes bytes to a file of this test's own and returns its path.
std::string WriteTestFile(const std::string& name, const Assets::Bytes& bytes) {
    const std::string path = ::testing::TempDir() + "vantor-render-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + name;
    std::string error;
    EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
    return path;
}

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl) << "no OpenGL 3.3 core context"; }
    void TearDown() override {
        for (RenderInterface::Renderable* object : shown) gl->UnRegister(object);
    }
    // Registers a scene object until the end of the test.
    void Show(RenderInterface::Renderable& object) {
        gl->Register(&object);
        shown.push_back(&object);
    }

    // Writes the resource to a file and registers it under `name`; fails the test unless it loads
    // silently.
    using Registration = RenderInterface::ResourceResult (RenderInterface::Renderer::*)(const char*, const char*);
    void RegisterFile(const std::string& file, const Assets::Bytes& bytes, const std::string& name,
                      Registration registration) {
        const std::string path = WriteTestFile(file, bytes);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ((gl.Get()->*registration)(path.c_str(), name.c_str()), RenderInterface::ResourceResult::Loaded);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << path;
    }
    void RegisterMesh(const std::string& name, const Assets::MeshData& mesh) {
        RegisterFile(name + ".mesh", Assets::WriteMesh(mesh), name, &RenderInterface::Renderer::RegisterModel);
    }

    // Creates a view and places its camera (up +y).
    RenderInterface::CameraView* LookFrom(const Math::Vector3& from, const Math::Vector3& along,
                                          float fov = 0.7853982f) {
        eye = from;
        forward = along;
        fovY = fov;
        RenderInterface::CameraView* view = gl->CreateView(float(gl->GetRenderTargetWidth()),
                                                           float(gl->GetRenderTargetHeight()), 0.1f, 1000.0f, fovY);
        view->GetCamera().SetPosition(eye);
        view->GetCamera().SetForward(forward);
        view->GetCamera().SetUp(Math::Vector3::unit_y);
        return view;
    }
    // Where a world point lands in the frame seen from the last LookFrom, in pixels from the top-left
    // corner, by glm.
    Math::Vector2 Project(const TestSupport::FrameImage& frame, const Math::Vector3& point) const {
        const float width = float(frame.width), height = float(frame.height);
        const glm::vec3 from(eye.x, eye.y, eye.z);
        const glm::mat4 view = glm::lookAt(from, from + glm::vec3(forward.x, forward.y, forward.z), glm::vec3(0, 1, 0));
        const glm::vec4 clip = glm::perspective(fovY, width / height, 0.1f, 1000.0f) * view *
                               glm::vec4(point.x, point.y, point.z, 1.0f);
        return Math::Vector2((clip.x / clip.w * 0.5f + 0.5f) * width, (0.5f - clip.y / clip.w * 0.5f) * height);
    }
    // The mean colour of the (2 radius + 1)^2 pixels where a world point lands.
    TestSupport::Color Around(const TestSupport::FrameImage& frame, const Math::Vector3& world, unsigned radius) const {
        const Math::Vector2 p = Project(frame, world);
        return frame.Average(unsigned(p.x) - radius, unsigned(p.y) - radius, 2 * radius + 1, 2 * radius + 1);
    }

    TestSupport::OffscreenRenderer gl{160, 120};
    std::vector<RenderInterface::Renderable*> shown;
    Math::Vector3 eye, forward;
    float fovY = 0.0f;
};

using RenderInterface::DebugRenderSpace;
using RenderInterface::ResourceResult;
using TestSupport::Color;
using TestSupport::FrameImage;

using Resources = SceneTest;

// A missing file or name is refused, a missing file with its path as opened (either separator)
// said once. (That the demo's own paths, written with backslashes, load, the asset tests check;
// bad files of every kind, the end-to-end bad-resources test.)
TEST_F(Resources, MissingFileOrNameIsRefusedThePathAsOpenedSaidOnce) {
    // The result of a registration and whether `path`, as opened, appears in what it printed: 0 (no),
    // 1 (once) or 2 (more often).
    const auto Register = [this](const std::string& path, const char* name = "thing") {
        ::testing::internal::CaptureStderr();
        const ResourceResult result = gl->RegisterModel(path.c_str(), name);
        const std::string printed = ::testing::internal::GetCapturedStderr(), opened = Assets::NormalizePath(path);
        const std::size_t at = printed.find(opened);
        return std::make_pair(result, at == std::string::npos ? 0 : at == printed.rfind(opened) ? 1 : 2);
    };
    const std::string mesh = WriteTestFile("box.mesh", Assets::WriteMesh(MakeBox({})));
    const std::string absent = ::testing::TempDir() + "vantor-render\\absent.mesh";
    EXPECT_EQ(Register(absent), std::make_pair(ResourceResult::FileNotFound, 1));
    EXPECT_EQ(Register("").first, ResourceResult::BadName);
    EXPECT_EQ(Register(mesh, "").first, ResourceResult::BadName);
    EXPECT_EQ(gl->RegisterModel(nullptr, nullptr), ResourceResult::BadName);
}

// A grey cube of side 2 at the origin, under a directional light of strength 3.
class BoxInTheLight : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        RegisterMesh("box", MakeBox(Rgba{170, 170, 170, 255}));
        box.SetModelName("box");
        Show(box);
        Show(light);
        light.SetStrength(3.0f);
    }

    RenderInterface::Model3D box;
    RenderInterface::DirectionalLight light;
};

using Lighting = BoxInTheLight;

// Models are drawn where the camera projects them, lit from the side the light travels towards:
// a grey box under a red light travelling away from the camera shows red where glm projects it and
// nowhere else; the strength scales the light, and without it a dim ambient term remains.
TEST_F(Lighting, LitBoxAppearsWhereProjectedInTheLightsColourAndStrength) {
    const Math::Vector3 front(3, 1, 1), mirrored(-3, -1, 1);
    LookFrom(Math::Vector3(0, 0, 12), Math::Vector3(0, 0, -1));
    box.SetWorldMatrix(Translation(3, 1, 0));
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    light.SetColor(Math::Vector3(1, 0, 0));
    const FrameImage frame = gl.RenderAndRead();
    const TestSupport::Color lit = Around(frame, front, 2), elsewhere = Around(frame, mirrored, 2);
    EXPECT_GT(lit.r - lit.b, 60.0) << "box missing at its projected place";
    EXPECT_LT(elsewhere.r - elsewhere.b, 0.0) << "drawn where nothing stands";
    light.SetStrength(1.0f);
    const TestSupport::Color dim = Around(gl.RenderAndRead(), front, 2);
    gl->UnRegister(&light);
    const TestSupport::Color unlit = Around(gl.RenderAndRead(), front, 2);
    EXPECT_GT(lit.r, dim.r + 15.0);
    EXPECT_GT(dim.r, unlit.r + 20.0);
    EXPECT_GT(unlit.Luminance(), 5.0) << "ambient light should keep unlit faces from black";
}

// A convex body casts no specks on its lit side, however closely the light grazes it (as it grazes
// a walking figure's legs): shadows on and off give the same picture. The body is an open
// eight-sided tube with smooth normals, as a low-polygon limb is shaded: past the faces' own
// terminator the normals still lean towards a grazing light.
TEST_F(Lighting, GrazingLightLeavesNoShadowSpecksOnAConvexBody) {
    Assets::MeshData tube;
    constexpr int Sides = 8;
    for (int side = 0; side <= Sides; ++side) {
        const float angle = 6.2831853f * static_cast<float>(side) / Sides;
        const Math::Vector3 out(std::sin(angle), 0.0f, std::cos(angle));
        for (const float y : {-40.0f, 40.0f}) {
            Assets::MeshVertex vertex;
            vertex.position = out * 40.0f + Math::Vector3(0.0f, y, 0.0f);
            vertex.normal = out;
            vertex.color = {170, 170, 170, 255};
            tube.vertices.push_back(vertex);
        }
        for (std::uint32_t index : {0u, 2u, 3u, 0u, 3u, 1u})
            if (side < Sides) tube.indices.push_back(static_cast<std::uint32_t>(2 * side) + index);
    }
    RenderInterface::RenderSettings& settings = *RenderInterface::GetRenderSettings(*gl.Get());
    RegisterMesh("tube", tube);
    box.SetModelName("tube");
    box.SetWorldMatrix(Math::Matrix4::identity);
    LookFrom(Math::Vector3(0, 0, 150), Math::Vector3(0, 0, -1));
    for (const float sideways : {0.0f, 0.5f, 1.0f, 2.0f}) {
        light.SetLightDirection(Math::Vector3(-sideways, -0.4f, -1.0f));
        settings.shadowsEnabled = 1;
        const FrameImage shadowed = gl.RenderAndRead();
        settings.shadowsEnabled = 0;
        const FrameImage plain = gl.RenderAndRead();
        const Math::Vector2 from = Project(plain, Math::Vector3(-40, 35, 40));
        const Math::Vector2 to = Project(plain, Math::Vector3(40, -35, 40));
        const auto Level = [](TestSupport::Pixel p) { return p.r + p.g + p.b; };
        int specks = 0;
        for (auto y = unsigned(from.y); y <= unsigned(to.y); ++y)
            for (auto x = unsigned(from.x); x <= unsigned(to.x); ++x)
                specks += Level(plain.At(x, y)) > Level(shadowed.At(x, y)) + 9;
        EXPECT_EQ(specks, 0) << "light travelling " << sideways << " sideways";
    }
}

// Two surfaces a tenth of a unit apart, seen from across the scene with a 0.1 near plane, keep
// their order at every pixel: the nearer hides the farther without specks of it showing through.
TEST_F(Lighting, CloseLayersSeenFromAfarKeepTheirOrder) {
    RegisterMesh("red", MakeBox(Rgba{200, 0, 0, 255}));
    RenderInterface::Model3D under;
    under.SetModelName("red");
    Show(under);
    const Math::Vector3 layer(60, 60, 1);
    box.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3::zero, Math::Quaternion::identity, layer));
    under.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3(0, 0, -0.1f), Math::Quaternion::identity, layer));
    LookFrom(Math::Vector3(0, 0, 700), Math::Vector3(0, 0, -1), 0.1f);
    light.SetLightDirection(Math::Vector3(0, 0, -1));
    const FrameImage frame = gl.RenderAndRead();
    int red = 0;
    for (unsigned y = 0; y < frame.height; ++y)
        for (unsigned x = 0; x < frame.width; ++x) red += frame.At(x, y).r > frame.At(x, y).g + 60;
    EXPECT_EQ(red, 0);
}

// The sky box shows its cube map by world direction, each face as stored (the fallback sky the
// end-to-end bad-resources test checks). Face i of +x, -x, +y, -y, +z, -z has colour i + 1 with
// red, green and blue as its bits.
int FaceOf(const Color& c) { return (c.r > 128) + 2 * (c.g > 128) + 4 * (c.b > 128) - 1; }

using Sky = SceneTest;

TEST_F(Sky, EachDirectionShowsItsFaceAsStoredFirstRowUp) {
    Assets::CubeMapData cubeMap;
    cubeMap.size = 16;
    for (std::uint32_t face = 0; face < 6; ++face)
        for (std::uint32_t texel = 0; texel < 16 * 16; ++texel)
            for (std::uint32_t bit : {1u, 2u, 4u, 8u})  // red, green, blue, then alpha
                cubeMap.faces[face].push_back(bit == 8 || (face + 1) & bit ? 255 : 0);
    RenderInterface::SkyBox skyBox;
    Show(skyBox);
    const auto ShowCubeMap = [&](const char* name) {
        RegisterFile(std::string(name) + ".dds", Assets::WriteCubeMapDds(cubeMap), name,
                     &RenderInterface::Renderer::RegisterTexture);
        skyBox.SetTextureName(name);
    };
    ShowCubeMap("faces");
    const Math::Vector3 directions[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int face = 0; face < 6; ++face) {
        RenderInterface::CameraView* view = LookFrom(Math::Vector3::zero, directions[face]);
        view->GetCamera().SetUp(face == 2 || face == 3 ? Math::Vector3::unit_z : Math::Vector3::unit_y);
        EXPECT_EQ(FaceOf(gl.RenderAndRead().Average(76, 56, 8, 8)), face);
        gl->ReleaseView(view);
    }

    // By OpenGL's cube-map table the first rows of +x are its +y edge and its first columns its +z
    // edge; mark them red on a blue face. Looking along +x with +y up, +z is to the right.
    for (std::uint32_t texel = 0; texel < 16 * 16; ++texel) {
        cubeMap.faces[0][texel * 4] = texel / 16 < 4 || texel % 16 < 4 ? 255 : 0;
        cubeMap.faces[0][texel * 4 + 2] = 255 - cubeMap.faces[0][texel * 4];
    }
    ShowCubeMap("marked");
    LookFrom(Math::Vector3::zero, Math::Vector3(1, 0, 0), 1.45f);
    const FrameImage frame = gl.RenderAndRead();
    const Color top = frame.Average(70, 4, 20, 4), right = frame.Average(150, 50, 6, 20);
    const Color middle = frame.Average(70, 50, 20, 20), left = frame.Average(4, 50, 6, 20);
    EXPECT_GT(top.r, top.b) << "first rows not at the top";
    EXPECT_GT(right.r, right.b) << "first columns not towards +z";
    EXPECT_GT(middle.b, middle.r);
    EXPECT_GT(left.b, left.r);
}

// Skinned models follow the matrices last given: each vertex its bone's (moved, turned, placed by
// the world matrix), bones past them the bind pose; a pose that is not finite is reported once and
// drawn in the bind pose; a model whose mesh or skeleton is unknown is left out.
using Points = std::vector<int>;

class Skinning : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        LookFrom(Math::Vector3(0, 0, 15), Math::Vector3(0, 0, -1));
        light.SetLightDirection(Math::Vector3(0, 0, -1));
        Show(light);
        Show(model);
        // A 2 x 4 x 2 column: the lower half red on bone 0, the upper half green on bone 1.
        Assets::MeshData column;
        column.skinned = true;
        AddBox(column, Math::Vector3(0, -1, 0), {230, 20, 20, 255}, 0);
        AddBox(column, Math::Vector3(0, 1, 0), {20, 230, 20, 255}, 1);
        RegisterMesh("column", column);
        Assets::SkeletonData skeleton;  // two root bones in bind pose at the origin
        skeleton.bones.resize(2);
        skeleton.bones[0].name = "lower";
        skeleton.bones[1].name = "upper";
        RegisterFile("two.ske", Assets::WriteSkeleton(skeleton), "two bones",
                     &RenderInterface::Renderer::RegisterSkeleton);
        model.SetModelName("column");
        model.SetSkeleton("two bones");
    }

    // Red (+1), green (-1) or neither (0) around each world point, in one rendered frame.
    Points Colours(std::initializer_list<Math::Vector3> points) {
        const TestSupport::FrameImage frame = gl.RenderAndRead();
        Points colours;
        for (const Math::Vector3& world : points) {
            const TestSupport::Color c = Around(frame, world, 1);
            colours.push_back(c.r > c.g + 60 && c.r > c.b + 60 ? 1 : c.g > c.r + 60 && c.g > c.b + 60 ? -1 : 0);
        }
        return colours;
    }
    RenderInterface::AnimationModel model;
    RenderInterface::DirectionalLight light;
};

TEST_F(Skinning, EachVertexFollowsItsBonesMatrixOrTheBindPoseAnUnknownModelIsLeftOut) {
    model.SetSkinningMatricies({Math::Matrix4::identity, Translation(4, 0, 0)});
    EXPECT_EQ(Colours({{4, 1, 1}, {0, 1, 1}, {0, -1, 1}}), (Points{-1, 0, 1}));
    // Bone 1 turned a quarter about z: the upper half now spans x from -2 to 0 around y = 0.
    model.SetSkinningMatricies({Translation(0, -3, 0), Math::ToMatrix4(Math::Quaternion::RotateZ(1.5707963f))});
    EXPECT_EQ(Colours({{-1.5f, 0.5f, 1}, {0.5f, 1.5f, 1}, {0, -4, 1}}), (Points{-1, 0, 1}));
    model.SetWorldMatrix(Translation(-4, 0, 0));
    EXPECT_EQ(Colours({{-5.5f, 0.5f, 1}, {-1.5f, 0.5f, 1}, {-4, -4, 1}}), (Points{-1, 0, 1}));
    model.SetWorldMatrix(Math::Matrix4::identity);
    model.SetSkinningMatricies({Translation(-4, 0, 0)});
    EXPECT_EQ(Colours({{-4, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
    model.SetSkinningMatricies({});
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
    model.SetSkeleton("never registered");
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{0, 0}));
    model.SetSkeleton("two bones");
    model.SetModelName("never registered");
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{0, 0}));
}

TEST_F(Skinning, APoseThatIsNotFiniteIsReportedOnceAndDrawnInTheBindPose) {
    Math::Matrix4 broken = Translation(4, 0, 0);
    broken.m[3] = std::numeric_limits<float>::infinity();
    model.SetSkinningMatricies({Math::Matrix4::identity, broken});
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1})) << "not in the bind pose";
    EXPECT_EQ(Colours({{0, -1, 1}, {0, 1, 1}}), (Points{1, -1}));
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find("'column' is not finite"), std::string::npos) << printed;
}

// Debug lines and spheres (three circles) last one frame: world ones hidden behind the scene,
// overlay ones over it, colours as given (w ignored). A world line on the ground shows wherever it falls between pixel
// rows, even seen at a grazing angle (a path drawn on the floor far from the camera).
const Math::Vector4 Green(0, 1, 0, 1), Magenta(1, 0, 1, 1), Red(1, 0, 0, 1);

// Whether a pixel next to p (a line may be rasterised one pixel off) shows the colour.
bool ShowsNear(const FrameImage& frame, const Math::Vector2& p, const Math::Vector4& color) {
    for (int near = 0; near < 9; ++near) {
        const TestSupport::Pixel pixel = frame.At(unsigned(int(p.x) + near % 3 - 1), unsigned(int(p.y) + near / 3 - 1));
        if (std::abs(pixel.r - color.x * 255) < 8 && std::abs(pixel.g - color.y * 255) < 8 &&
            std::abs(pixel.b - color.z * 255) < 8)
            return true;
    }
    return false;
}

using DebugDrawing = BoxInTheLight;

// A space the renderer does not know is reported once and drawn as a world line.
TEST_F(DebugDrawing, WorldLinesAndSpheresAreHiddenBehindTheSceneOverlayLinesAreNot) {
    LookFrom(Math::Vector3(0, 0, 10), Math::Vector3(0, 0, -1));
    box.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3::zero, Math::Quaternion::identity, Math::Vector3(1.5f, 1.5f, 1.5f)));
    const auto Shows = [this](const FrameImage& frame, const Math::Vector3& world, const Math::Vector4& color) {
        return ShowsNear(frame, Project(frame, world), color);
    };
    const auto HorizontalLine = [this](float y, float z, const Math::Vector4& color, DebugRenderSpace space) {
        gl->DrawLine(Math::Vector3(-5, y, z), color, Math::Vector3(5, y, z), color, space);
    };
    HorizontalLine(0.5f, -3, Green, DebugRenderSpace::World);
    HorizontalLine(-0.5f, -3, Magenta, DebugRenderSpace::Overlay);
    HorizontalLine(2.5f, 3, Math::Vector4::unit_x, DebugRenderSpace::World);  // the demo's colours have w = 0
    gl->DrawSphere(Math::Vector3(0, 0, 3), 2.0f, Red, DebugRenderSpace::World);
    ::testing::internal::CaptureStderr();
    for (const float y : {-1.0f, -1.1f}) HorizontalLine(y, -3, Magenta, static_cast<DebugRenderSpace>(7));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("7"), std::string::npos);
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    const FrameImage frame = gl.RenderAndRead();
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, 0.5f, -3), Green)) << "world line drawn through the box";
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, -0.5f, -3), Magenta)) << "overlay line hidden by the box";
    EXPECT_FALSE(Shows(frame, Math::Vector3(0, -1.0f, -3), Magenta)) << "unknown space not depth-tested";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, -1.0f, -3), Magenta)) << "unknown space not drawn";
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, 0.5f, -3), Green));
    EXPECT_TRUE(Shows(frame, Math::Vector3(-3.5f, -0.5f, -3), Magenta));
    EXPECT_TRUE(Shows(frame, Math::Vector3(0, 2.5f, 3), Red));
    // Seen along -z, the sphere's circle around z is a ring of radius 2 and the other two are its
    // vertical and horizontal diameters; the quarters between them are empty inside the ring.
    for (const auto& [x, y, drawn] : {std::tuple{1.41421f, 1.41421f, true}, {0.0f, 1.0f, true}, {-1.0f, 0.0f, true},
                                      {1.0f, 1.0f, false}, {-0.7f, -0.7f, false}})
        EXPECT_EQ(Shows(frame, Math::Vector3(x, y, 3), Red), drawn) << x << "," << y;

    const FrameImage next = gl.RenderAndRead();
    EXPECT_FALSE(Shows(next, Math::Vector3(-3.5f, 0.5f, -3), Green)) << "lines outlived their frame";
    EXPECT_FALSE(Shows(next, Math::Vector3(-3.5f, -0.5f, -3), Magenta)) << "lines outlived their frame";
}

using LinesOnGround = BoxInTheLight;

TEST_F(LinesOnGround, ShowAtEveryOffsetFromThePixelRows) {
    constexpr float GroundTop = 1.0f;
    box.SetWorldMatrix(Math::Matrix4::TRS(Math::Vector3::zero, Math::Quaternion::identity, Math::Vector3(100, GroundTop, 100)));
    LookFrom(Math::Vector3(0, 3, 10), Math::Vector3(0, 0, -1));
    // About twelve units away the ground moves two pixel rows per unit of depth, so lines 1/32
    // unit apart land at sixteen different offsets across one row.
    for (int k = 0; k < 16; ++k) {
        const float z = -2.0f - static_cast<float>(k) / 32.0f;
        gl->DrawLine(Math::Vector3(-5, GroundTop, z), Red, Math::Vector3(5, GroundTop, z), Red,
                     DebugRenderSpace::World);
        const FrameImage frame = gl.RenderAndRead();
        const Math::Vector2 where = Project(frame, Math::Vector3(0, GroundTop, z));
        EXPECT_TRUE(ShowsNear(frame, where, Red)) << "line at z = " << z << " hidden at pixel row " << where.y;
    }
}

}  // namespace
