#pragma once
// The walking character fully set up on the real renderer (an offscreen SDL window), with its
// tweak bar and the input module, for measurements. Runs in the build directory, where the
// warrior's generated assets are.
#include <SDL.h>

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>

#include "character/PathCharacter.h"

class BenchCharacter {
public:
    BenchCharacter();
    ~BenchCharacter();
    BenchCharacter(const BenchCharacter&) = delete;
    BenchCharacter& operator=(const BenchCharacter&) = delete;

    // False (with a message on stderr) when no window or renderer could be made.
    explicit operator bool() const { return renderer != nullptr; }

    SDL_Window* window = nullptr;
    RenderInterface::Renderer* renderer = nullptr;
    TwBar* bar = nullptr;
    PathCharacter character;
};
