#include <Animation/Registry.h>

#include <unordered_map>

namespace Animation {
namespace Registry {

namespace {

template <typename Data>
using Table = std::unordered_map<std::string, Data>;

Table<Skeleton>& Skeletons() {
    static Table<Skeleton> skeletons;
    return skeletons;
}

Table<Clip>& Clips() {
    static Table<Clip> clips;
    return clips;
}

std::uint64_t& Counter() {
    static std::uint64_t generation = 1;
    return generation;
}

template <typename Runtime, typename Data>
bool Add(Table<Runtime>& table, const std::string& name, const Data& data,
         bool (*build)(const Data&, Runtime&, std::string&), std::string& error) {
    ++Counter();
    table.erase(name);
    Runtime built;
    if (!build(data, built, error)) {
        return false;
    }
    table.emplace(name, std::move(built));
    return true;
}

template <typename Runtime>
const Runtime* Find(const Table<Runtime>& table, const std::string& name) {
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

}  // namespace

bool AddSkeleton(const std::string& name, const Assets::SkeletonData& data, std::string& error) {
    return Add(Skeletons(), name, data, BuildSkeleton, error);
}

bool AddClip(const std::string& name, const Assets::AnimationData& data, std::string& error) {
    return Add(Clips(), name, data, BuildClip, error);
}

void RemoveSkeleton(const std::string& name) {
    ++Counter();
    Skeletons().erase(name);
}

void RemoveClip(const std::string& name) {
    ++Counter();
    Clips().erase(name);
}

void Clear() {
    ++Counter();
    Skeletons().clear();
    Clips().clear();
}

const Skeleton* FindSkeleton(const std::string& name) { return Find(Skeletons(), name); }

const Clip* FindClip(const std::string& name) { return Find(Clips(), name); }

std::uint64_t Generation() { return Counter(); }

}  // namespace Registry
}  // namespace Animation
