#include "engine/core/Random.h"

#include <gtest/gtest.h>

namespace zelka {

TEST(Rnd, FirstDrawFromStartSeed)
{
    random::Seed = 1234;
    const float r = random::Rnd();
    EXPECT_EQ(random::Seed, 3067928073u);
    EXPECT_EQ(r, 11984094.0f / 16777216.0f);
}

TEST(Rnd, EveryCallAdvancesOneStep)
{
    random::Seed = 77;
    random::Rnd2(5.0f, 9.0f);
    random::Rnd3(3.0f);
    const uint32_t afterTwo = random::Seed;
    random::Seed = 77;
    random::Rnd();
    random::Rnd();
    EXPECT_EQ(random::Seed, afterTwo);
}

}  // namespace zelka
