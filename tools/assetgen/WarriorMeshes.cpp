#include "WarriorMeshes.h"

#include "BodyShapes.h"

namespace AssetGen {

Assets::MeshData BuildWarriorMesh() {
    Outfit outfit;
    outfit.skin = {214, 160, 124, 255};
    outfit.torso = {74, 62, 56, 255};
    outfit.sleeves = {112, 115, 122, 255};
    outfit.legs = {92, 94, 102, 255};
    outfit.boots = {92, 58, 34, 255};
    outfit.soles = {40, 30, 24, 255};
    outfit.hands = {120, 124, 134, 255};
    outfit.hair = {78, 50, 32, 255};
    outfit.beard = {78, 50, 32, 255};
    outfit.bearded = true;
    MeshBuilder builder(true);
    AddBody(builder, outfit);
    AddArmour(builder);
    return builder.Take();
}

Assets::MeshData BuildHumanMesh() {
    Outfit outfit;
    outfit.skin = {222, 172, 136, 255};
    outfit.torso = {66, 98, 150, 255};
    outfit.sleeves = {66, 98, 150, 255};
    outfit.legs = {96, 84, 70, 255};
    outfit.boots = {98, 64, 40, 255};
    outfit.soles = {50, 38, 30, 255};
    outfit.hands = {222, 172, 136, 255};
    outfit.hair = {92, 60, 36, 255};
    outfit.beard = {92, 60, 36, 255};
    outfit.hairCap = true;
    MeshBuilder builder(false);
    AddBody(builder, outfit);
    return builder.Take();
}

}  // namespace AssetGen
