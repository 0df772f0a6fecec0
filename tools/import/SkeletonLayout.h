#pragma once
// The demo holds its weapon at bone 36. This finds the hand, gives a bone with no hand of its own
// (a blocky game character's whole arm) a socket at the far end of its geometry, and orders the
// bones parents first with the hand at 36, adding unweighted helper bones to a skeleton too small
// to reach it. A skeleton already in that shape keeps its order and names.
#include <string>

#include "Character.h"

namespace CharacterImport {

constexpr int kHandBone = 36;
constexpr int kMaxBones = 256;

// RightHand, mixamorig:RightHand, hand.R, Hand_R, R_Hand, Bip01 R Hand, hand_right ...
bool NamedLikeRightHand(const std::string& bone);

// `hand` is the bone's name, or empty to find one named like a right hand. Returns the name of
// the bone that ends up at kHandBone.
std::string LayOutForWeapon(Character& character, const std::string& hand);

}  // namespace CharacterImport
