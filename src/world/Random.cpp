// Random.cpp -- the program's one random sequence: a 32-bit linear congruential generator that starts
// from 0 in every run, so every run draws the same numbers.
#include <cstdint>
#include "world/Random.h"

static uint32_t RandomSeed = 0;

int RandomBelow(int n)
{
    RandomSeed = RandomSeed * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(RandomSeed) * static_cast<uint32_t>(n)) >> 32);
}
