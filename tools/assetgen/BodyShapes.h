#pragma once
// The body under the clothes and armour, region by region, and the warrior's armour over it.
// Shared by the armoured warrior and the unarmoured figure, which differ in colours and in
// whether the armour is added.
#include "MeshBuilder.h"
#include "WarriorSkeleton.h"

namespace AssetGen {

struct Outfit {
    Rgba skin;
    Rgba torso;      // shirt, or the padded undercoat beneath plate
    Rgba sleeves;    // upper arms and forearms
    Rgba legs;       // trousers
    Rgba boots;
    Rgba soles;
    Rgba hands;      // bare hands or gauntlets
    Rgba hair;
    Rgba beard;
    bool bearded = false;
    bool hairCap = false;  // a cap of hair over the skull (the helmet covers it otherwise)
};

void AddBody(MeshBuilder& builder, const Outfit& outfit);
void AddArmour(MeshBuilder& builder);

}  // namespace AssetGen
