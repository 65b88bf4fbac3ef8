#include "engine/core/MathUtil.h"

#include "engine/core/RGB.h"
#include "engine/core/Vector.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace zelka {

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
}

// Casting NaN or an out-of-range float to int is undefined: tints and frames go through
// the one safe truncation, which the colour keys use too.
TEST(TruncToInt, NaNAndOutOfRangeAreDefined)
{
    EXPECT_EQ(math::TruncToInt(kNaN), 0);
    EXPECT_EQ(math::TruncToInt(1e20f), INT_MAX);
    EXPECT_EQ(math::TruncToInt(-1e20f), INT_MIN);
    EXPECT_EQ(math::TruncToInt(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(math::TruncToInt(-2.9f), -2);   // toward zero

    RGB c(1, 2, 3);
    EXPECT_TRUE(c.SetFloatProperty(U"r", 254.9f));
    EXPECT_TRUE(c.SetFloatProperty(U"g", -3.7f));
    EXPECT_TRUE(c.SetFloatProperty(U"b", kNaN));
    EXPECT_FALSE(c.SetFloatProperty(U"R", 1.0f));   // keys are case-sensitive
    EXPECT_EQ(c.r, 254);
    EXPECT_EQ(c.g, -3);   // not clamped here
    EXPECT_EQ(c.b, 0);
}

TEST(String2Int, ReadsLikeStrtol)
{
    EXPECT_EQ(misc::String2Int_(U"  42abc"), 42);
    EXPECT_EQ(misc::String2Int_(U"abc"), 0);
    EXPECT_EQ(misc::String2Int_(U"-17"), -17);
    // 100 digits: only the first 63 are read; strtol saturates, the int keeps the low bits.
    EXPECT_EQ(misc::String2Int_(String(100, U'1')),
              static_cast<int>(static_cast<unsigned long>(LONG_MAX) & 0xFFFFFFFFul));
    // Each character counts by its low 8 bits: U+0134 reads as '4'.
    EXPECT_EQ(misc::String2Int_(String(U"1") + char32_t(0x134)), 14);
    EXPECT_TRUE(misc::String2Bool_(U"-3"));
    EXPECT_FALSE(misc::String2Bool_(U"0"));
    EXPECT_FALSE(misc::String2Bool_(U"true"));   // only numbers
}

TEST(Math, SgnClampAndAbsEdges)
{
    EXPECT_EQ(math::Sgn(0), 0);
    EXPECT_EQ(math::Sgn(-0.5f), -1.0f);
    EXPECT_EQ(math::Sgn(kNaN), 0.0f);
    EXPECT_EQ(math::Clamp(5, 10, 0), 10);   // below low wins when the range is inverted
    EXPECT_EQ(math::Abs(INT_MIN), INT_MIN);   // no overflow
}

TEST(Vector, TransformUsesTheDrawingMatrixLayout)
{
    Vector v(1.0f, 0.0f);
    const float rotate90[6] = {0.0f, -1.0f, 1.0f, 0.0f, 10.0f, 20.0f};
    v.Transform(rotate90);
    EXPECT_FLOAT_EQ(v.x, 10.0f);
    EXPECT_FLOAT_EQ(v.y, 19.0f);
}

}  // namespace zelka
