#include "engine/ui/VerticalShaker.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelka {
namespace {

using testing::kStepMs;

TEST(VerticalShaker, TwelveStepsThenRestores)
{
    Ref<Vector> pos = Vector::New2(5, 100);
    Ref<VerticalShaker> shaker = VerticalShaker::New(pos);
    shaker->Shake(200);
    std::vector<float> offsets;
    for (int i = 0; i < 12; ++i) {
        shaker->Process2(kStepMs);
        offsets.push_back(pos->y - 100);
    }
    EXPECT_EQ(offsets, (std::vector<float>{-1, -1, 1, 1, 3, 3, -1, -1, 1, 1, 3, 3}));
    EXPECT_TRUE(shaker->IsShaking());
    shaker->Process2(kStepMs);
    EXPECT_FLOAT_EQ(pos->y, 100);
    EXPECT_FALSE(shaker->IsShaking());
    shaker->Process2(kStepMs);
    EXPECT_FLOAT_EQ(pos->y, 100);
    EXPECT_FLOAT_EQ(pos->x, 5);
}

TEST(VerticalShaker, RestartKeepsTheRestingYAndNoTargetDoesNothing)
{
    Ref<Vector> pos = Vector::New2(0, 50);
    Ref<VerticalShaker> shaker = VerticalShaker::New(pos);
    shaker->Shake(100);
    shaker->Process2(kStepMs);
    shaker->Process2(kStepMs);
    shaker->Process2(kStepMs);   // y 51
    shaker->Shake(32);           // restarts: the counter too, the saved y stays 50
    shaker->Process2(kStepMs);
    EXPECT_FLOAT_EQ(pos->y, 49);
    shaker->Process2(kStepMs);
    EXPECT_FLOAT_EQ(pos->y, 50);
    // A shake cut to nothing puts the position back at once.
    shaker->Shake(100);
    shaker->Process2(kStepMs);
    shaker->Shake(0);
    EXPECT_FLOAT_EQ(pos->y, 50);

    Ref<VerticalShaker> without = VerticalShaker::New(nullptr);
    without->Shake(100);
    without->Process2(kStepMs);
    EXPECT_FALSE(without->IsShaking());
}

}  // namespace
}  // namespace zelka
