#include "engine/ui/UIRectangleBar.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

TEST(UIRectangleBar, BuildsBorderInnerAreaAndHiddenFill)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);
    EXPECT_FALSE(bar->outline);
    EXPECT_TRUE(bar->neverCulled);
    ASSERT_EQ(bar->ChildCount(), 2);
    auto inner = std::dynamic_pointer_cast<RectangleGDO>(bar->GetChild(0));
    ASSERT_NE(inner, nullptr);
    EXPECT_FLOAT_EQ(inner->width, 100);
    EXPECT_FLOAT_EQ(inner->height, 8);
    EXPECT_EQ(inner->tint.r + inner->tint.g + inner->tint.b, 0);
    EXPECT_EQ(bar->GetChild(1), bar->GetFill());
    EXPECT_FALSE(bar->GetFill()->visible);
    EXPECT_EQ(bar->GetFill()->tint.r, 128);
    EXPECT_EQ(bar->GetFill()->tint.b, 255);
}

TEST(UIRectangleBar, FillGrowsFromTheInnerLeftEdge)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);
    bar->SetValue(50);
    EXPECT_TRUE(bar->GetFill()->visible);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 50);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x, -25);
    bar->SetValue(1);
    // Left edge stays at the inner area's: x - width / 2 = -50.
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x - bar->GetFill()->width / 2, -50);
    bar->SetValue(250);
    EXPECT_EQ(bar->GetValue(), 100);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 100);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x, 0);
}

TEST(UIRectangleBar, ZeroOrBelowStoresZeroAndHidesTheFill)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);
    bar->SetValue(40);
    bar->SetValue(-5);
    EXPECT_FALSE(bar->GetFill()->visible);
    EXPECT_EQ(bar->GetValue(), 0);   // a menu stepping up from here gets 10, not 50
    bar->SetValue(40);
    bar->SetValue(0);
    EXPECT_EQ(bar->GetValue(), 0);
}

TEST(UIRectangleBar, FullFlagShowsAllOrHidesKeepingTheValue)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);
    bar->SetValue(30);
    bar->SetValue2(false);
    EXPECT_FALSE(bar->GetFill()->visible);
    EXPECT_EQ(bar->GetValue(), 30);
    bar->SetValue2(true);
    EXPECT_EQ(bar->GetValue(), 100);
    EXPECT_TRUE(bar->GetFill()->visible);
    EXPECT_FLOAT_EQ(bar->GetFill()->width, 100);
    EXPECT_FLOAT_EQ(bar->GetFill()->position->x, 0);
}

}  // namespace
}  // namespace zelka
