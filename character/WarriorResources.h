#pragma once
// The warrior's resource files and the names the demo registers them under. The paths are
// relative to the folder the demo runs in; tools that read the warrior in the demo's layout use
// this table, so they see exactly the files the demo loads.
#include <array>

struct ResourceFile {
    const char* path;
    const char* name;
};

// In registration order.
constexpr std::array<ResourceFile, 15> WarriorClipFiles{{
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

constexpr ResourceFile WarriorSkeletonFile{".\\resources\\skeletons\\Warrior_Skeleton.ske", "PlayerSkeleton"};
constexpr ResourceFile WarriorMeshFile{".\\resources\\models\\Warrior_Skeleton.mesh", "Player"};

// The weapons carried at the right hand ("Human", the fourth choice, is a character mesh).
constexpr std::array<ResourceFile, 3> WeaponFiles{{
    {".\\resources\\models\\Sword.mesh", "Sword"},
    {".\\resources\\models\\Shield.mesh", "Shield"},
    {".\\resources\\models\\Cerberus.mesh", "Gun"},
}};
