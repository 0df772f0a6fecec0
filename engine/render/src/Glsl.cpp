#include "Glsl.h"

namespace RenderInterface {
namespace Glsl {

const char* const SkinnedDefine = "#define SKINNED\n";

const char* const SrgbDecode = R"(
vec3 SrgbToLinear(vec3 c) {
    return mix(c / 12.92, pow((c + 0.055) / 1.055, vec3(2.4)), step(0.04045, c));
}
)";

// The frame is an sRGB target written with GL_FRAMEBUFFER_SRGB on, so shaders hand over linear
// values and the encoding costs nothing here.
const char* const Display = R"(
uniform float uExposure;
uniform bool uToneMapping;

// A filmic curve (the common fit of the ACES reference tone scale): soft toe, gentle shoulder.
// The fit expects scene values scaled by 0.6; with that, mid-tones keep their brightness.
vec3 FilmicCurve(vec3 radiance) {
    vec3 x = radiance * 0.6;
    return clamp((x * (2.51 * x + 0.03)) / (x * (2.43 * x + 0.59) + 0.14), 0.0, 1.0);
}

// Linear display value of a scene radiance, 0 to 1.
vec3 ToDisplay(vec3 radiance) {
    vec3 exposed = max(radiance, vec3(0.0)) * uExposure;
    return uToneMapping ? FilmicCurve(exposed) : clamp(exposed, 0.0, 1.0);
}
)";

const char* const Sky = R"(
uniform samplerCube uSky;
uniform vec3 uSkyHarmonics[9];  // the sky's linear radiance in spherical harmonics, bands 0 to 2
uniform float uSkyStrength;

vec3 Harmonics(vec3 d, vec3 bandWeights) {
    vec3 band0 = 0.282095 * uSkyHarmonics[0];
    vec3 band1 = 0.488603 * (d.y * uSkyHarmonics[1] + d.z * uSkyHarmonics[2] + d.x * uSkyHarmonics[3]);
    vec3 band2 = 1.092548 * (d.x * d.y * uSkyHarmonics[4] + d.y * d.z * uSkyHarmonics[5] + d.x * d.z * uSkyHarmonics[7]) +
                 0.315392 * (3.0 * d.z * d.z - 1.0) * uSkyHarmonics[6] + 0.546274 * (d.x * d.x - d.y * d.y) * uSkyHarmonics[8];
    return max(bandWeights.x * band0 + bandWeights.y * band1 + bandWeights.z * band2, vec3(0.0));
}

// The sky seen along a direction: the sky box itself.
vec3 SkyRadiance(vec3 direction) {
    return texture(uSky, direction).rgb * uSkyStrength;
}

// The sky's broad colour along a direction, without detail: what distant haze takes on.
vec3 SmoothSkyRadiance(vec3 direction) {
    return Harmonics(direction, vec3(1.0)) * uSkyStrength;
}

// The light the whole sky sends onto a surface facing `normal`, as the radiance of an evenly lit
// sky that would send as much (irradiance over pi: the bands weighted by the cosine lobe).
vec3 SkyAmbient(vec3 normal) {
    return Harmonics(normal, vec3(1.0, 2.0 / 3.0, 0.25)) * uSkyStrength;
}
)";

const char* const ModelVertex = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 3) in vec4 aColor;

uniform mat4 uWorld;
uniform mat3 uNormalMatrix;
uniform mat4 uViewProjection;

out vec3 vWorldPosition;
out vec3 vNormal;
out vec3 vAlbedo;  // linear

#ifdef SKINNED
layout(location = 4) in uvec4 aBoneIndices;
layout(location = 5) in vec4 aBoneWeights;

// The frame's skinning matrices, four RGBA32F texels (the rows) per matrix. This model's start
// at uBoneOffset; bones at or past uBoneCount were not given and stay in the bind pose.
uniform samplerBuffer uBones;
uniform int uBoneOffset;
uniform int uBoneCount;

mat4 BoneMatrix(uint bone) {
    int index = int(bone);
    if (index >= uBoneCount) return mat4(1.0);
    int texel = (uBoneOffset + index) * 4;
    return transpose(mat4(texelFetch(uBones, texel), texelFetch(uBones, texel + 1),
                          texelFetch(uBones, texel + 2), texelFetch(uBones, texel + 3)));
}

mat4 SkinMatrix() {
    float total = dot(aBoneWeights, vec4(1.0));
    if (total <= 0.0001) return mat4(1.0);
    mat4 blended = BoneMatrix(aBoneIndices.x) * aBoneWeights.x + BoneMatrix(aBoneIndices.y) * aBoneWeights.y +
                   BoneMatrix(aBoneIndices.z) * aBoneWeights.z + BoneMatrix(aBoneIndices.w) * aBoneWeights.w;
    return blended * (1.0 / total);
}
#endif

void main() {
    vec4 position = vec4(aPosition, 1.0);
    vec3 normal = aNormal;
#ifdef SKINNED
    mat4 skin = SkinMatrix();
    position = skin * position;
    normal = mat3(skin) * normal;
#endif
    vec4 world = uWorld * position;
    vWorldPosition = world.xyz;
    vNormal = uNormalMatrix * normal;
    vAlbedo = SrgbToLinear(aColor.rgb);
    gl_Position = uViewProjection * world;
}
)";

const char* const ModelFragment = R"(
in vec3 vWorldPosition;
in vec3 vNormal;
in vec3 vAlbedo;
out vec4 fragColor;

uniform vec3 uEye;
uniform vec3 uToLight;         // unit vector towards the light
uniform vec3 uLightRadiance;   // colour times strength; zero without a light
uniform float uAmbientStrength;
uniform float uDiffuseStrength;
uniform float uSpecularStrength;
uniform float uFogDensity;     // inverse of the distance at which fog reaches 63 %

uniform bool uShadows;
uniform sampler2DShadow uShadowMap;
uniform mat4 uShadowMatrix;    // world to shadow-map texture coordinates and depth
uniform float uShadowBias;
uniform float uShadowRadius;   // filter radius in texture coordinates
uniform float uNormalOffset;   // world units the lookup moves out along the normal

const float Pi = 3.14159265;
const float Shininess = 48.0;

// A rotated grid of four taps; each is itself a bilinear 2 x 2 comparison, so sixteen texels
// soften the edge at the cost of four lookups (shadow lookups dominate the cost of a software
// rasteriser).
const vec2 FilterTaps[4] = vec2[](vec2(-0.375, -0.875), vec2(0.875, -0.375), vec2(0.375, 0.875),
                                  vec2(-0.875, 0.375));

// How far the triangle itself (not its smooth normal) turns towards the light. Where a smooth
// normal still leans towards the light but the triangle is turned away from it or grazes it, the
// shadow map finds the body's own surface in front of the point and the depth test flickers
// between lit and shadowed: the specks on limbs that the light grazes.
float TriangleFacing(vec3 position, vec3 normal) {
    vec3 face = cross(dFdx(position), dFdy(position));
    float size = length(face);
    if (size <= 0.0) return 1.0;
    face /= size;
    return dot(dot(face, normal) < 0.0 ? -face : face, uToLight);
}

// Fraction of the light that reaches the point. The shadow map stores depth growing towards the
// light, so the point is lit where its own depth is at least the stored one. On triangles the
// light grazes, the test fades out: the smooth shading's own fall-off darkens them already, and
// surfaces facing the light (the ground, with the contact shadow) keep the whole test.
float LightVisibility(vec3 position, vec3 normal) {
    if (!uShadows) return 1.0;
    float facing = TriangleFacing(position, normal);
    float trust = smoothstep(0.0, 0.2, facing);
    if (trust <= 0.0) return 1.0;
    vec4 coord = uShadowMatrix * vec4(position + normal * uNormalOffset * (1.0 - facing), 1.0);
    if (any(lessThan(coord.xyz, vec3(0.0))) || any(greaterThan(coord.xyz, vec3(1.0)))) return 1.0;
    float reference = coord.z + uShadowBias;
    float lit = 0.0;
    for (int i = 0; i < 4; ++i) {
        lit += texture(uShadowMap, vec3(coord.xy + FilterTaps[i] * uShadowRadius, reference));
    }
    return mix(1.0, lit * 0.25, trust);
}

void main() {
    vec3 normal = normalize(vNormal);
    vec3 toEye = uEye - vWorldPosition;
    float distance = length(toEye);
    vec3 view = toEye / max(distance, 0.0001);
    vec3 albedo = vAlbedo;

    float nDotL = max(dot(normal, uToLight), 0.0);
    vec3 direct = vec3(0.0);
    if (nDotL > 0.0) {
        vec3 halfway = normalize(uToLight + view);
        float grazing = 1.0 - max(dot(halfway, view), 0.0);
        float grazing2 = grazing * grazing;
        float fresnel = 0.04 + 0.96 * grazing2 * grazing2 * grazing;
        float highlight = pow(max(dot(normal, halfway), 0.0), Shininess) * (Shininess + 8.0) / (8.0 * Pi);
        vec3 response = albedo * uDiffuseStrength / Pi + vec3(highlight * fresnel * uSpecularStrength);
        direct = uLightRadiance * nDotL * response * LightVisibility(vWorldPosition, normal);
    }
    vec3 ambient = albedo * SkyAmbient(normal) * uAmbientStrength;

    // Distance fog towards the sky at the horizon in the direction of view, so that far ground
    // melts into the sky behind it.
    vec3 ray = -view;
    vec3 horizon = SmoothSkyRadiance(normalize(vec3(ray.x, max(ray.y, 0.0) + 0.001, ray.z)));
    float scaled = distance * uFogDensity;
    float scaled2 = scaled * scaled;
    float fog = 1.0 - exp(-scaled2 * scaled2);
    vec3 color = mix(direct + ambient, horizon, fog);
    fragColor = vec4(ToDisplay(color), 1.0);
}
)";

const char* const DepthFragment = R"(
void main() {}
)";

const char* const SkyVertex = R"(
uniform mat4 uRayMatrix;  // clip space to world-space view directions (the camera's rotation only)
uniform float uFarDepth;  // the far plane's depth: the sky is drawn there, behind everything
out vec3 vRay;
void main() {
    vec2 corner = vec2(gl_VertexID == 1 ? 3.0 : -1.0, gl_VertexID == 2 ? 3.0 : -1.0);
    // Points on the far plane map linearly to directions, so the ray is interpolated, not
    // recomputed for every pixel.
    vec4 far = uRayMatrix * vec4(corner, 1.0, 1.0);
    vRay = far.xyz / far.w;
    gl_Position = vec4(corner, uFarDepth, 1.0);
}
)";

const char* const SkyFragment = R"(
in vec3 vRay;
out vec4 fragColor;

void main() {
    fragColor = vec4(ToDisplay(SkyRadiance(normalize(vRay))), 1.0);
}
)";

const char* const LineVertex = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aColor;
uniform mat4 uViewProjection;
uniform vec3 uEye;
out vec3 vColor;
void main() {
    vColor = aColor;
    // Pulled a little towards the eye, so that lines drawn on a surface (a path on the ground)
    // win the depth test against it instead of flickering in and out.
    vec3 position = mix(uEye, aPosition, 0.998);
    gl_Position = uViewProjection * vec4(position, 1.0);
}
)";

const char* const LineFragment = R"(
in vec3 vColor;
out vec4 fragColor;
void main() { fragColor = vec4(clamp(vColor, 0.0, 1.0), 1.0); }
)";

const char* const PreviewVertex = R"(
uniform vec4 uRect;  // x, y, width, height in normalised device coordinates
out vec2 vUv;
void main() {
    vUv = vec2(gl_VertexID & 1, gl_VertexID >> 1);
    gl_Position = vec4(uRect.xy + vUv * uRect.zw, 0.0, 1.0);
}
)";

const char* const PreviewFragment = R"(
uniform sampler2D uDepth;
in vec2 vUv;
out vec4 fragColor;
void main() { fragColor = vec4(vec3(texture(uDepth, vUv).r), 1.0); }
)";

}  // namespace Glsl
}  // namespace RenderInterface
