#include "SceneReading.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "MaterialColors.h"
#include "SkeletonLayout.h"

namespace CharacterImport {

namespace {

// Assimp's default when a file does not say how fast its ticks run.
constexpr double kDefaultTicksPerSecond = 25.0;

Math::Matrix4 ToMatrix(const aiMatrix4x4& m)
{
    Math::Matrix4 out;
    const float* source = &m.a1;
    std::copy(source, source + 16, out.m);
    return out;
}

bool Finite(const Math::Matrix4& m)
{
    return std::all_of(m.m, m.m + 16, [](float v) { return std::isfinite(v); });
}

Math::VQS ToPose(const aiMatrix4x4& m)
{
    aiVector3D scale, position;
    aiQuaternion rotation;
    m.Decompose(scale, rotation, position);
    Math::VQS pose;
    pose.translation = Math::Vector3(position.x, position.y, position.z);
    pose.rotation = Math::Quaternion(Math::Vector3(rotation.x, rotation.y, rotation.z), rotation.w);
    pose.rotation.Normalize();
    pose.scale = Math::Vector3(scale.x, scale.y, scale.z);
    return pose;
}

aiMatrix4x4 GlobalTransform(const aiNode* node)
{
    aiMatrix4x4 global;
    for (; node != nullptr; node = node->mParent) {
        global = node->mTransformation * global;
    }
    return global;
}

void CheckFile(const std::string& path)
{
    std::error_code failure;
    const std::filesystem::file_status status = std::filesystem::status(path, failure);
    if (!std::filesystem::exists(status)) {
        throw ImportError("file not found");
    }
    if (std::filesystem::is_directory(status)) {
        throw ImportError("a directory, not a file");
    }
    if (!std::ifstream(path, std::ios::binary).good()) {
        throw ImportError("cannot be read (permission denied?)");
    }
}

const aiScene* Load(Assimp::Importer& importer, const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.empty() || !importer.IsExtensionSupported(extension)) {
        throw ImportError("unknown format" + (extension.empty() ? std::string() : " '" + extension + "'") +
                          ": Assimp has no reader for it");
    }
    unsigned flags = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices | aiProcess_GenSmoothNormals |
                     aiProcess_SortByPType;
    // Blitz3D files are left-handed and Assimp passes them through as they are: mirror them along
    // z (and turn their triangles round) so a right arm stays a right arm and the face stays in front.
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == ".b3d") {
        flags |= aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder;
    }
    const aiScene* scene = importer.ReadFile(path, flags);
    if (scene == nullptr || scene->mRootNode == nullptr) {
        throw ImportError(std::string("not a file Assimp can read: ") + importer.GetErrorString());
    }
    return scene;
}

// The nodes that become bones: every node a skinned mesh is bound to, and the nodes joining them
// up to their common ancestor. That ancestor is a bone too unless it is the scene's root.
std::set<const aiNode*> SkeletonNodes(const aiScene* scene, const std::vector<const aiMesh*>& meshes)
{
    std::set<const aiNode*> bones;
    for (const aiMesh* mesh : meshes) {
        for (unsigned b = 0; b < mesh->mNumBones; ++b) {
            const aiNode* node = scene->mRootNode->FindNode(mesh->mBones[b]->mName);
            if (node == nullptr) {
                throw ImportError(std::string("bone '") + mesh->mBones[b]->mName.C_Str() + "' has no node");
            }
            bones.insert(node);
        }
    }
    auto depth = [](const aiNode* node) {
        int d = 0;
        for (; node->mParent != nullptr; node = node->mParent) {
            ++d;
        }
        return d;
    };
    // Walk every bone up to the shallowest bone's depth, then all of them up together until they meet.
    std::vector<const aiNode*> fronts(bones.begin(), bones.end());
    int top = depth(fronts.front());
    for (const aiNode* node : fronts) {
        top = std::min(top, depth(node));
    }
    std::set<const aiNode*> joined = bones;
    for (const aiNode*& node : fronts) {
        for (int d = depth(node); d > top; --d) {
            node = node->mParent;
            joined.insert(node);
        }
    }
    while (std::set<const aiNode*>(fronts.begin(), fronts.end()).size() > 1) {
        for (const aiNode*& node : fronts) {
            node = node->mParent;
            joined.insert(node);
        }
    }
    if (fronts.front() == scene->mRootNode && bones.count(scene->mRootNode) == 0) {
        joined.erase(scene->mRootNode);
    }
    return joined;
}

void AddInOrder(const aiNode* node, const std::set<const aiNode*>& members, std::vector<const aiNode*>& order)
{
    if (members.count(node) != 0) {
        order.push_back(node);
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c) {
        AddInOrder(node->mChildren[c], members, order);
    }
}

// The file's own bone order when it lists every bone parents first (glTF joints usually do);
// otherwise the scene's depth-first order.
std::vector<const aiNode*> BoneOrder(const aiScene* scene, const aiMesh* first, const std::set<const aiNode*>& members)
{
    std::vector<const aiNode*> listed;
    for (unsigned b = 0; b < first->mNumBones; ++b) {
        listed.push_back(scene->mRootNode->FindNode(first->mBones[b]->mName));
    }
    bool parentsFirst = listed.size() == members.size();
    for (std::size_t i = 0; parentsFirst && i < listed.size(); ++i) {
        const aiNode* parent = listed[i]->mParent;
        parentsFirst = members.count(parent) == 0 ||
                       std::find(listed.begin(), listed.begin() + static_cast<long>(i), parent) != listed.begin() + static_cast<long>(i);
    }
    if (parentsFirst) {
        return listed;
    }
    std::vector<const aiNode*> order;
    AddInOrder(scene->mRootNode, members, order);
    return order;
}

// True when two affine transforms agree to within float rounding at their scale.
bool Agree(const aiMatrix4x4& a, const aiMatrix4x4& b)
{
    const float* x = &a.a1;
    const float* y = &b.a1;
    const float size = 1.0f + std::fabs(b.a4) + std::fabs(b.b4) + std::fabs(b.c4);
    for (int i = 0; i < 16; ++i) {
        if (std::fabs(x[i] - y[i]) > 1e-3f * (i % 4 == 3 ? size : 1.0f)) {
            return false;
        }
    }
    return true;
}

// Where the skin puts a node that it does not bind itself: by the first child it binds, whose
// node transform says where the child sits under it. None when no child is bound.
std::optional<aiMatrix4x4> PlacedBySkin(const aiNode* node, const std::map<std::string, aiMatrix4x4>& offsets)
{
    for (unsigned c = 0; c < node->mNumChildren; ++c) {
        const aiNode* child = node->mChildren[c];
        const auto offset = offsets.find(child->mName.C_Str());
        if (offset != offsets.end()) {
            return aiMatrix4x4(offset->second).Inverse() * aiMatrix4x4(child->mTransformation).Inverse();
        }
    }
    return std::nullopt;
}

// Bind poses come from the skin's inverse binds where a bone has one and the file's node
// transforms hold some other pose; otherwise from the node transforms as written.
void ReadSkeleton(const aiScene* scene, const std::vector<const aiMesh*>& meshes, Character& character,
                  std::map<std::string, int>& boneIndex)
{
    const std::vector<const aiNode*> order = BoneOrder(scene, meshes.front(), SkeletonNodes(scene, meshes));
    std::map<std::string, aiMatrix4x4> offsets;
    for (const aiMesh* mesh : meshes) {
        for (unsigned b = 0; b < mesh->mNumBones; ++b) {
            offsets.emplace(mesh->mBones[b]->mName.C_Str(), mesh->mBones[b]->mOffsetMatrix);
        }
    }
    std::vector<aiMatrix4x4> bindGlobals;
    for (const aiNode* node : order) {
        Assets::BoneData bone;
        bone.name = node->mName.C_Str();
        if (boneIndex.count(bone.name) != 0) {
            throw ImportError("two bones are named '" + bone.name + "'");
        }
        const auto parent = boneIndex.find(node->mParent != nullptr ? node->mParent->mName.C_Str() : "");
        bone.parent = parent == boneIndex.end() ? -1 : parent->second;
        const aiMatrix4x4 parentGlobal = bone.parent >= 0 ? bindGlobals[static_cast<std::size_t>(bone.parent)]
                                         : node->mParent != nullptr ? GlobalTransform(node->mParent)
                                                                    : aiMatrix4x4();
        const auto offset = offsets.find(bone.name);
        const aiMatrix4x4 fromNodes = parentGlobal * node->mTransformation;
        aiMatrix4x4 global = fromNodes;
        bone.bindPose = ToPose(node->mTransformation);
        bone.inverseBind = ToMatrix(aiMatrix4x4(global).Inverse());
        if (offset != offsets.end()) {
            global = aiMatrix4x4(offset->second).Inverse();
            bone.inverseBind = ToMatrix(offset->second);
            // The node's own transform, exact as written, when it is the skin's bind pose.
            if (!Agree(fromNodes, global)) {
                bone.bindPose = ToPose(aiMatrix4x4(parentGlobal).Inverse() * global);
            }
        } else if (const auto placed = PlacedBySkin(node, offsets); placed && !Agree(fromNodes, *placed)) {
            // An unbound node (an FBX armature, say) placed elsewhere than its skin: left where
            // the file puts it, it would hold its bound children far away and their poses would
            // be differences of huge numbers. It stands where the skin puts it, and its own keys,
            // made for the other place, are dropped.
            global = *placed;
            bone.bindPose = ToPose(aiMatrix4x4(parentGlobal).Inverse() * global);
            bone.inverseBind = ToMatrix(aiMatrix4x4(global).Inverse());
            character.placedBySkin.insert(bone.name);
            character.notes.push_back("'" + bone.name + "' is placed where its skin puts it, not where the file's "
                                      "nodes do; its own keys are dropped");
        }
        if (!Finite(ToMatrix(global)) || !Finite(bone.inverseBind)) {
            throw ImportError("NaN in the transform of bone '" + bone.name + "'");
        }
        if (bone.parent < 0 && character.skeleton.bones.empty()) {
            const Math::VQS above = ToPose(parentGlobal);
            character.aboveSkeleton = {above.translation, above.rotation,
                                       (above.scale.x + above.scale.y + above.scale.z) / 3.0f};
        }
        bindGlobals.push_back(global);
        boneIndex[bone.name] = static_cast<int>(character.skeleton.bones.size());
        character.skeleton.bones.push_back(bone);
    }
    character.fileBones = static_cast<int>(character.skeleton.bones.size());
    if (character.fileBones > kMaxBones) {
        throw ImportError("too many bones: " + std::to_string(character.fileBones) + " (at most " +
                          std::to_string(kMaxBones) + ")");
    }
}

struct Influence {
    int bone;
    float weight;
};

// Keeps the four largest weights of each vertex and makes them sum to 1.
void SetInfluences(const std::vector<std::vector<Influence>>& influences, std::size_t first, Character& character,
                   int& trimmed, int& renormalised, int& unweighted)
{
    for (std::size_t v = 0; v < influences.size(); ++v) {
        std::vector<Influence> list = influences[v];
        float total = 0.0f;
        for (const Influence& influence : list) {
            total += influence.weight;
        }
        if (!list.empty() && std::fabs(total - 1.0f) > 1e-3f) {
            ++renormalised;
        }
        std::sort(list.begin(), list.end(), [](const Influence& a, const Influence& b) { return a.weight > b.weight; });
        if (list.size() > Assets::MaxBoneInfluences) {
            list.resize(Assets::MaxBoneInfluences);
            ++trimmed;
        }
        float sum = 0.0f;
        for (const Influence& influence : list) {
            sum += influence.weight;
        }
        Assets::MeshVertex& vertex = character.mesh.vertices[first + v];
        if (list.empty()) {
            ++unweighted;
            list.push_back({0, 1.0f});
            sum = 1.0f;
        }
        vertex.boneWeights = {0.0f, 0.0f, 0.0f, 0.0f};
        for (std::size_t i = 0; i < list.size(); ++i) {
            vertex.boneIndices[i] = static_cast<std::uint8_t>(list[i].bone);
            vertex.boneWeights[i] = list[i].weight / sum;
        }
    }
}

void ReadMeshes(const aiScene* scene, const std::string& path, const std::vector<const aiMesh*>& meshes,
                const std::map<std::string, int>& boneIndex, Character& character)
{
    int trimmed = 0, renormalised = 0, unweighted = 0;
    for (const aiMesh* mesh : meshes) {
        const std::size_t first = character.mesh.vertices.size();
        const MaterialColors colors(scene, mesh, path);
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            const aiVector3D& p = mesh->mVertices[v];
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
                throw ImportError(std::string("NaN in the vertices of mesh '") + mesh->mName.C_Str() + "'");
            }
            Assets::MeshVertex vertex;
            vertex.position = Math::Vector3(p.x, p.y, p.z);
            if (mesh->HasNormals()) {
                vertex.normal = Math::Normalized(Math::Vector3(mesh->mNormals[v].x, mesh->mNormals[v].y, mesh->mNormals[v].z));
            }
            if (mesh->HasTextureCoords(0)) {
                vertex.uv = Math::Vector2(mesh->mTextureCoords[0][v].x, mesh->mTextureCoords[0][v].y);
            }
            vertex.color = colors.At(v);
            character.mesh.vertices.push_back(vertex);
        }
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices == 3) {
                for (unsigned i = 0; i < 3; ++i) {
                    character.mesh.indices.push_back(static_cast<std::uint32_t>(first + face.mIndices[i]));
                }
            }
        }
        std::vector<std::vector<Influence>> influences(mesh->mNumVertices);
        for (unsigned b = 0; b < mesh->mNumBones; ++b) {
            const aiBone* bone = mesh->mBones[b];
            const int index = boneIndex.at(bone->mName.C_Str());
            for (unsigned w = 0; w < bone->mNumWeights; ++w) {
                const aiVertexWeight& weight = bone->mWeights[w];
                if (!std::isfinite(weight.mWeight)) {
                    throw ImportError(std::string("NaN in the weights of bone '") + bone->mName.C_Str() + "'");
                }
                if (weight.mWeight > 0.0f && weight.mVertexId < mesh->mNumVertices) {
                    influences[weight.mVertexId].push_back({index, weight.mWeight});
                }
            }
        }
        SetInfluences(influences, first, character, trimmed, renormalised, unweighted);
    }
    character.mesh.skinned = true;
    std::vector<bool> used(character.skeleton.bones.size(), false);
    for (const Assets::MeshVertex& vertex : character.mesh.vertices) {
        for (int i = 0; i < Assets::MaxBoneInfluences; ++i) {
            used[vertex.boneIndices[i]] = used[vertex.boneIndices[i]] || vertex.boneWeights[i] > 0.0f;
        }
    }
    if (const auto unused = std::count(used.begin(), used.end(), false); unused > 0) {
        character.notes.push_back(std::to_string(unused) + " bones move no vertex; kept as bones");
    }
    if (trimmed > 0) {
        character.notes.push_back("kept the 4 largest of more bone weights on " + std::to_string(trimmed) + " vertices");
    }
    if (renormalised > 0) {
        character.notes.push_back("renormalised weights not summing to 1 on " + std::to_string(renormalised) + " vertices");
    }
    if (unweighted > 0) {
        character.notes.push_back("bound " + std::to_string(unweighted) + " vertices without weights to the first bone");
    }
}

template <typename AssimpKey, typename Convert, typename Key>
void ReadKeys(const AssimpKey* keys, unsigned count, Convert convert, std::vector<Key>& out, const std::string& where)
{
    for (unsigned k = 0; k < count; ++k) {
        Key key;
        key.time = static_cast<float>(keys[k].mTime);
        key.value = convert(keys[k].mValue);
        if (!std::isfinite(key.time)) {
            throw ImportError("NaN key time in " + where);
        }
        if (!out.empty() && !(key.time > out.back().time)) {
            continue;  // a repeated time: the first key wins
        }
        out.push_back(key);
    }
}

bool FiniteKeys(const Assets::BoneTrack& track)
{
    auto finite = [](const Math::Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); };
    for (const Assets::Vector3Key& key : track.translations) {
        if (!finite(key.value)) return false;
    }
    for (const Assets::Vector3Key& key : track.scales) {
        if (!finite(key.value)) return false;
    }
    for (const Assets::RotationKey& key : track.rotations) {
        if (!finite(key.value.v) || !std::isfinite(key.value.s)) return false;
    }
    return true;
}

// The first and last key times over a track's channels.
std::pair<float, float> KeySpan(const Assets::BoneTrack& track)
{
    std::pair<float, float> span{INFINITY, -INFINITY};
    auto widen = [&span](const auto& keys) {
        if (!keys.empty()) {
            span = {std::min(span.first, keys.front().time), std::max(span.second, keys.back().time)};
        }
    };
    widen(track.translations);
    widen(track.rotations);
    widen(track.scales);
    return span;
}

template <typename Key>
void ShiftKeys(std::vector<Key>& keys, float by)
{
    for (Key& key : keys) {
        key.time += by;
    }
}

// Keys numbered from 1 are moved back one frame to fit the stated duration; otherwise the
// duration is stretched to the last key.
void RepairLateKeys(SourceAnimation& source, float lastKey, std::vector<std::string>& notes)
{
    float firstKey = lastKey;
    for (const Assets::BoneTrack& track : source.tracks) {
        firstKey = std::min(firstKey, KeySpan(track).first);
    }
    const float late = lastKey - static_cast<float>(source.durationTicks);
    std::string repair;
    if (firstKey >= late) {
        for (Assets::BoneTrack& track : source.tracks) {
            ShiftKeys(track.translations, -late);
            ShiftKeys(track.rotations, -late);
            ShiftKeys(track.scales, -late);
        }
        repair = "its keys start at frame 1, so all of them moved back one frame";
    } else {
        source.durationTicks = lastKey;
        repair = "the timeline now ends at that key";
    }
    notes.push_back("animation '" + source.name + "': a key one frame past its stated end (tick " +
                    std::to_string(static_cast<int>(lastKey)) + " of " +
                    std::to_string(static_cast<int>(source.durationTicks)) + "); " + repair);
}

void ReadAnimations(const aiScene* scene, const std::map<std::string, int>& boneIndex, Character& character)
{
    for (unsigned a = 0; a < scene->mNumAnimations; ++a) {
        const aiAnimation* animation = scene->mAnimations[a];
        SourceAnimation source;
        source.name = animation->mName.length > 0 ? animation->mName.C_Str() : "animation " + std::to_string(a);
        source.ticksPerSecond = animation->mTicksPerSecond > 0.0 ? animation->mTicksPerSecond : kDefaultTicksPerSecond;
        source.durationTicks = animation->mDuration;
        if (!std::isfinite(source.durationTicks) || !std::isfinite(source.ticksPerSecond) || source.durationTicks < 0.0) {
            throw ImportError("animation '" + source.name + "' has no valid duration");
        }
        float lastKey = 0.0f;
        for (unsigned c = 0; c < animation->mNumChannels; ++c) {
            const aiNodeAnim* channel = animation->mChannels[c];
            const auto bone = boneIndex.find(channel->mNodeName.C_Str());
            if (bone == boneIndex.end() || character.placedBySkin.count(bone->first) != 0) {
                continue;  // animates a node that is not part of the skeleton, or not in its bind place
            }
            const std::string where = "animation '" + source.name + "', bone '" + bone->first + "'";
            Assets::BoneTrack track;
            track.bone = static_cast<std::uint32_t>(bone->second);
            auto vector = [](const aiVector3D& v) { return Math::Vector3(v.x, v.y, v.z); };
            auto rotation = [](const aiQuaternion& q) {
                Math::Quaternion r(Math::Vector3(q.x, q.y, q.z), q.w);
                if (std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z) && std::isfinite(q.w)) {
                    r.Normalize();
                }
                return r;
            };
            ReadKeys(channel->mPositionKeys, channel->mNumPositionKeys, vector, track.translations, where);
            ReadKeys(channel->mRotationKeys, channel->mNumRotationKeys, rotation, track.rotations, where);
            ReadKeys(channel->mScalingKeys, channel->mNumScalingKeys, vector, track.scales, where);
            if (!FiniteKeys(track)) {
                throw ImportError("NaN in the keys of " + where);
            }
            const std::pair<float, float> span = KeySpan(track);
            if (span.first < 0.0f) {
                throw ImportError("keys outside the stated duration: " + where + " has a key before 0");
            }
            lastKey = std::max(lastKey, span.second);
            source.tracks.push_back(track);
        }
        if (source.tracks.empty()) {
            continue;
        }
        // A key one frame (one tick) past the stated end is a common off-by-one of frame-numbered
        // formats (B3D numbers its keys from 1); anything further is a broken file.
        if (lastKey > source.durationTicks + 1.0 + 1e-4) {
            throw ImportError("keys outside the stated duration: animation '" + source.name + "' has a key at tick " +
                              std::to_string(lastKey) + " but lasts " + std::to_string(source.durationTicks) + " ticks");
        }
        if (lastKey > source.durationTicks) {
            RepairLateKeys(source, lastKey, character.notes);
        }
        if (source.durationTicks <= 0.0) {
            continue;
        }
        character.animations.push_back(std::move(source));
    }
    if (character.animations.empty()) {
        throw ImportError("no animation of the skeleton");
    }
}

// A mesh bound wholly to one right-hand bone is a prop held in that hand (our own exported
// warrior carries its sword so). The demo puts its own weapon there, so such a prop is left out
// when the character has a body of its own.
bool IsHeldProp(const aiMesh* mesh)
{
    const aiBone* holder = nullptr;
    for (unsigned b = 0; b < mesh->mNumBones; ++b) {
        const aiBone* bone = mesh->mBones[b];
        const bool weighted = std::any_of(bone->mWeights, bone->mWeights + bone->mNumWeights,
                                          [](const aiVertexWeight& w) { return w.mWeight > 0.0f; });
        if (weighted) {
            if (holder != nullptr) return false;
            holder = bone;
        }
    }
    return holder != nullptr && NamedLikeRightHand(holder->mName.C_Str());
}

}  // namespace

Character ReadCharacter(const std::string& path)
{
    CheckFile(path);
    Assimp::Importer importer;
    const aiScene* scene = Load(importer, path);

    std::vector<const aiMesh*> skinned;
    int triangleMeshes = 0;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        if ((mesh->mPrimitiveTypes & aiPrimitiveType_TRIANGLE) == 0) {
            continue;
        }
        ++triangleMeshes;
        if (mesh->HasBones()) {
            skinned.push_back(mesh);
        }
    }
    if (triangleMeshes == 0) {
        throw ImportError("no mesh");
    }
    if (skinned.empty()) {
        throw ImportError("no skin: none of its " + std::to_string(triangleMeshes) + " meshes is bound to bones");
    }
    if (scene->mNumAnimations == 0) {
        throw ImportError("no animation");
    }
    Character character;
    const int unbound = triangleMeshes - static_cast<int>(skinned.size());
    const auto props = std::stable_partition(skinned.begin(), skinned.end(),
                                             [](const aiMesh* mesh) { return !IsHeldProp(mesh); });
    if (props != skinned.begin()) {
        for (auto prop = props; prop != skinned.end(); ++prop) {
            character.notes.push_back(std::string("left out '") + (*prop)->mName.C_Str() +
                                      "', a prop held in the right hand: the demo carries its own weapon there");
        }
        skinned.erase(props, skinned.end());
    }
    std::map<std::string, int> boneIndex;
    ReadSkeleton(scene, skinned, character, boneIndex);
    ReadMeshes(scene, path, skinned, boneIndex, character);
    if (unbound > 0) {
        character.notes.push_back("left out " + std::to_string(unbound) +
                                  " meshes that are not bound to bones");
    }
    ReadAnimations(scene, boneIndex, character);
    return character;
}

}  // namespace CharacterImport
