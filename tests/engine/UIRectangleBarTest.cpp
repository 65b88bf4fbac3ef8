#include "engine/ui/UIRectangleBar.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelka {
namespace {

// Whether the fill shows, its width and its centre.
using Fill = std::tuple<bool, float, float>;
Fill FillOf(const UIRectangleBar& bar)
{
    return {bar.GetFill()->visible, bar.GetFill()->width, bar.GetFill()->position->x};
}

TEST(UIRectangleBar, FillGrowsFromTheInnerLeftEdge)
{
    Ref<UIRectangleBar> bar = UIRectangleBar::New(104, 12);   // inner area 100 wide
    EXPECT_FALSE(bar->GetFill()->visible);
    bar->SetValue(50);
    EXPECT_EQ(FillOf(*bar), (Fill{true, 50, -25}));
    bar->SetValue(1);
    EXPECT_EQ(FillOf(*bar), (Fill{true, 1, -49.5f}));   // its left edge stays at -50
    bar->SetValue(250);
    EXPECT_EQ(bar->GetValue(), 100);
    EXPECT_EQ(FillOf(*bar), (Fill{true, 100, 0}));
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
    EXPECT_EQ(FillOf(*bar), (Fill{true, 100, 0}));
}

}  // namespace
}  // namespace zelka
