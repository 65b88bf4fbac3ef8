#include "screens/app/Letterbox.h"

#include <gtest/gtest.h>

namespace zelka {

TEST(Letterbox, FitsTheVirtualScreenCentredAndKeepsTheLastFitWithoutArea)
{
    const Letterbox tall = ComputeLetterbox(1280, 1024, Letterbox{});  // bars above and below
    EXPECT_FLOAT_EQ(tall.scale, 2.0f);
    EXPECT_FLOAT_EQ(tall.offsetX, 0.0f);
    EXPECT_FLOAT_EQ(tall.offsetY, 152.0f);
    const Letterbox wide = ComputeLetterbox(2000, 720, tall);  // bars left and right
    EXPECT_FLOAT_EQ(wide.scale, 2.0f);
    EXPECT_FLOAT_EQ(wide.offsetX, 360.0f);
    EXPECT_FLOAT_EQ(wide.offsetY, 0.0f);
    const Letterbox small = ComputeLetterbox(320, 360, tall);  // shrinks below 1
    EXPECT_FLOAT_EQ(small.scale, 0.5f);
    EXPECT_FLOAT_EQ(small.offsetY, 90.0f);

    for (const auto& [w, h] : {std::pair{0, 0}, std::pair{0, 720}, std::pair{1280, 0},
                               std::pair{-1, -1}}) {
        const Letterbox kept = ComputeLetterbox(w, h, tall);
        EXPECT_FLOAT_EQ(kept.scale, 2.0f) << w << "x" << h;
        EXPECT_FLOAT_EQ(kept.offsetY, 152.0f) << w << "x" << h;
    }
}

}  // namespace zelka
