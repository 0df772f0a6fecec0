#include "character/Selectors.h"

int clipIndex = 5;
int weaponIndex = 0;

const std::array<TwEnumVal, ClipCount> clipEnumValues = {{
    {0, "Attack1"}, {1, "Attack2"}, {2, "Attack3"}, {3, "Die"},     {4, "Run"},
    {5, "Walk"},    {6, "Guard"},   {7, "Damage"},  {8, "Critical_Damage"}, {9, "Stand"},
    {10, "Skill1"}, {11, "Skill2"}, {12, "Skill3"}, {13, "Skill4"}, {14, "Skill5"},
}};

const std::array<TwEnumVal, WeaponCount> weaponEnumValues = {{
    {0, "Sword"}, {1, "Shield"}, {2, "Human"}, {3, "Gun"},
}};

TwType clipEnumType = TW_TYPE_UNDEF;
TwType weaponEnumType = TW_TYPE_UNDEF;
