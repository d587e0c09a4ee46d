#include "platform/random.h"

#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 gen(5489u);
  return gen;
}
}  // namespace

int GameRand() { return static_cast<int>(Generator()() >> 17) & kGameRandMax; }

void SeedGameRand(uint32_t seed) { Generator().seed(seed); }
