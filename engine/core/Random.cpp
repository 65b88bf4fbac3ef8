#include "engine/core/Random.h"

namespace zelka::random {

namespace {

constexpr uint32_t kMultiplier = 1664525;
constexpr uint32_t kIncrement = 1013904223;
constexpr float kInv24Bits = 1.0f / 16777216.0f;  // 2^-24: the result keeps the top 24 bits

}  // namespace

uint32_t Seed = 1234;

float Rnd()
{
    Seed = Seed * kMultiplier + kIncrement;
    return static_cast<float>(Seed >> 8) * kInv24Bits;
}

float Rnd2(float low, float high)
{
    return low + (high - low) * Rnd();
}

float Rnd3(float range)
{
    return range * Rnd();
}

}  // namespace zelka::random
