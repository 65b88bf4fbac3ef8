#include "engine/ui/UIRectangleBar.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

TEST(UIRectangleBar, FillGrowsFromTheInnerLeftEdge)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);   // inner area 100 wide
    EXPECT_FALSE(bar->GetFill()->visible);
    bar->SetValue(50);
    EXPECT_TRUE(bar->GetFill()->visible);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 50);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x, -25);
    bar->SetValue(1);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x - bar->GetFill()->width / 2, -50);
    bar->SetValue(250);
    EXPECT_EQ(bar->GetValue(), 100);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 100);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x, 0);
}

TEST(UIRectangleBar, ZeroOrBelowStoresZeroAndTheFullFlagKeepsTheValue)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);
    bar->SetValue(40);
    bar->SetValue(-5);
    EXPECT_FALSE(bar->GetFill()->visible);
    EXPECT_EQ(bar->GetValue(), 0);   // a menu stepping up from here gets 10, not 50

    bar->SetValue(30);
    bar->SetValue2(false);   // hidden, the value kept
    EXPECT_FALSE(bar->GetFill()->visible);
    EXPECT_EQ(bar->GetValue(), 30);
    bar->SetValue2(true);
    EXPECT_EQ(bar->GetValue(), 100);
    EXPECT_TRUE(bar->GetFill()->visible);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 100);
}

}  // namespace
}  // namespace zelka
