#include "screens/app/Letterbox.h"

#include <gtest/gtest.h>

namespace zelka {

TEST(Letterbox, FitsTheVirtualScreenCentred)
{
    const Letterbox none;
    const Letterbox tall = ComputeLetterbox(1280, 1024, none);  // bars above and below
    EXPECT_FLOAT_EQ(tall.scale, 2.0f);
    EXPECT_FLOAT_EQ(tall.offsetX, 0.0f);
    EXPECT_FLOAT_EQ(tall.offsetY, 152.0f);

    const Letterbox wide = ComputeLetterbox(2000, 720, none);  // bars left and right
    EXPECT_FLOAT_EQ(wide.scale, 2.0f);
    EXPECT_FLOAT_EQ(wide.offsetX, 360.0f);
    EXPECT_FLOAT_EQ(wide.offsetY, 0.0f);

    const Letterbox exact = ComputeLetterbox(640, 360, none);
    EXPECT_FLOAT_EQ(exact.scale, 1.0f);
    EXPECT_FLOAT_EQ(exact.offsetX, 0.0f);

    const Letterbox small = ComputeLetterbox(320, 360, none);  // shrinks below 1
    EXPECT_FLOAT_EQ(small.scale, 0.5f);
    EXPECT_FLOAT_EQ(small.offsetY, 90.0f);
}

TEST(Letterbox, WindowWithoutAreaKeepsTheLastFit)
{
    const Letterbox last = ComputeLetterbox(1280, 1024, Letterbox{});
    for (const auto& [w, h] : {std::pair{0, 0}, std::pair{0, 720}, std::pair{1280, 0},
                               std::pair{-1, -1}}) {
        const Letterbox kept = ComputeLetterbox(w, h, last);
        EXPECT_FLOAT_EQ(kept.scale, 2.0f) << w << "x" << h;
        EXPECT_FLOAT_EQ(kept.offsetY, 152.0f) << w << "x" << h;
    }
}

}  // namespace zelka
