#pragma once

#include <cstdint>

namespace zelka::random {

// State of the shared generator: 1234 at start; the game reseeds it from the
// millisecond clock at every stage creation. Arithmetic is modulo 2^32.
extern uint32_t Seed;

// One step: Seed = Seed * 1664525 + 1013904223; returns (Seed >> 8) / 2^24, in [0, 1).
float Rnd();
// low + (high - low) * Rnd(): one step.
float Rnd2(float low, float high);
// range * Rnd(): one step.
float Rnd3(float range);

}  // namespace zelka::random
