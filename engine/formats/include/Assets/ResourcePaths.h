#pragma once
// Every file the demo registers, with the name it registers it under. The app registers these
// paths, the asset builder writes them and the importer replaces the character's files among
// them, so all three read this one table. Paths are relative to the working directory, written
// with '\' as the app passes them (the readers accept either separator).
#include <array>
#include <string>

namespace Assets {

struct ResourceFile {
    const char* path;
    const char* name;
};

// The character's clips, in the order the app registers them.
constexpr std::array<ResourceFile, 15> kClipFiles{{
    {".\\resources\\animations\\Warrior_Attack_1.anim", "Attack1"},
    {".\\resources\\animations\\Warrior_Attack_2.anim", "Attack2"},
    {".\\resources\\animations\\Warrior_Attack_3.anim", "Attack3"},
    {".\\resources\\animations\\Warrior_Die.anim", "Die"},
    {".\\resources\\animations\\Warrior_Guard.anim", "Guard"},
    {".\\resources\\animations\\Warrior_Critical_Damage.anim", "Critical_Damage"},
    {".\\resources\\animations\\Warrior_Damage.anim", "Damage"},
    {".\\resources\\animations\\Warrior_Skill_1.anim", "Skill1"},
    {".\\resources\\animations\\Warrior_Skill_2.anim", "Skill2"},
    {".\\resources\\animations\\Warrior_Skill_3.anim", "Skill3"},
    {".\\resources\\animations\\Warrior_Skill_4.anim", "Skill4"},
    {".\\resources\\animations\\Warrior_Skill_5.anim", "Skill5"},
    {".\\resources\\animations\\Warrior_Stand.anim", "Stand"},
    {".\\resources\\animations\\Warrior_Walk.anim", "Walk"},
    {".\\resources\\animations\\Warrior_Run.anim", "Run"},
}};

constexpr ResourceFile kSkeletonFile{".\\resources\\skeletons\\Warrior_Skeleton.ske", "PlayerSkeleton"};
constexpr ResourceFile kPlayerMeshFile{".\\resources\\models\\Warrior_Skeleton.mesh", "Player"};
constexpr ResourceFile kHumanMeshFile{".\\resources\\models\\Warrior_Skeleton2.mesh", "Human"};

constexpr ResourceFile kDaySkyFile{".\\resources\\textures\\CubeMap.dds", "CubeMap"};
constexpr ResourceFile kCitySkyFile{".\\resources\\textures\\CitySkybox.dds", "CubeMap2"};
constexpr ResourceFile kSwordFile{".\\resources\\models\\Sword.mesh", "Sword"};
constexpr ResourceFile kShieldFile{".\\resources\\models\\Shield.mesh", "Shield"};
constexpr ResourceFile kGunFile{".\\resources\\models\\Cerberus.mesh", "Gun"};
// The weapons carried at the right hand ("Human", the fourth choice, is a character mesh).
constexpr std::array<ResourceFile, 3> kWeaponFiles{{kSwordFile, kShieldFile, kGunFile}};
constexpr ResourceFile kFloorFile{".\\resources\\models\\default\\Cube.mesh", "floor"};

// The path below the working directory with '/' separators, e.g. "resources/models/Sword.mesh".
inline std::string RelativeResourcePath(const ResourceFile& file)
{
    std::string path = file.path;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path.rfind("./", 0) == 0 ? path.substr(2) : path;
}

}  // namespace Assets
