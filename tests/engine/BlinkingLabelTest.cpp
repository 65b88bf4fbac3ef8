#include "engine/text/BlinkingLabel.h"

#include <gtest/gtest.h>

#include "StubFont.h"

namespace zelka {
namespace {

TEST(BlinkingLabel, ShownInTheFirstHalfOfEachPeriod)
{
    const Ref<BlinkingLabel> label = BlinkingLabel::New(testing_media::StubFont::New(), 2.0f, 1.0f);
    EXPECT_EQ(label->blinkPeriod, 250);
    std::vector<int> hiddenAt;
    for (int ms = 1; ms <= 500; ++ms) {
        label->Update(1);
        if (!label->IsVisible()) {
            hiddenAt.push_back(ms);
        }
    }
    // Visible up to 125 ms into a period, hidden from 126 until the update that reaches
    // 250 ms, which restarts the period.
    ASSERT_EQ(hiddenAt.size(), 2u * 125u);
    EXPECT_EQ(hiddenAt.front(), 126);
    EXPECT_EQ(hiddenAt[124], 250);
    EXPECT_EQ(hiddenAt[125], 376);
}

TEST(BlinkingLabel, HidingDisablesShowingLetsTheNextUpdateDecideAndSteadyStaysVisible)
{
    const Ref<BlinkingLabel> label = BlinkingLabel::New(nullptr, 2.0f, 1.0f);
    label->Show3(false);
    EXPECT_FALSE(label->IsVisible());
    EXPECT_FALSE(label->IsEnabled());
    label->Show3(true);
    EXPECT_TRUE(label->IsEnabled());
    EXPECT_FALSE(label->IsVisible());
    label->Update(16);
    EXPECT_TRUE(label->IsVisible());
    label->blinking = false;
    label->Update(200);
    EXPECT_TRUE(label->IsVisible());
    // A rate of 0 would divide by zero: it never blinks instead.
    EXPECT_EQ(BlinkingLabel::New(nullptr, 0.0f, 1.0f)->blinkPeriod, 50000000);
}

}  // namespace
}  // namespace zelka
