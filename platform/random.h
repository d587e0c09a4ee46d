#pragma once
// The game's one pseudo-random generator (dice, the hit shake).
#include <cstdint>

constexpr int kGameRandMax = 0x7FFF;

// A value from 0 to kGameRandMax.
int GameRand();
void SeedGameRand(uint32_t seed);
