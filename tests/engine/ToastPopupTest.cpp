#include "engine/ui/ToastPopup.h"

#include "engine/core/EventManager.h"
#include "engine/display/GDOWithSize.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

using testing::kStepMs;

class ToastPopupTest : public ::testing::Test {
protected:
    void SetUp() override { EventManager::RemoveAllListeners(); }
    void TearDown() override { EventManager::RemoveAllListeners(); }
};

TEST_F(ToastPopupTest, SlidesUpHoldsFourSecondsSlidesDownAndHides)
{
    Ref<ToastPopup> toast = ToastPopup::New(U"NOTICE");
    EXPECT_FALSE(toast->visible);
    EXPECT_EQ(toast->GetLabel()->GetText(), U"NOTICE");
    Ref<GDO> content = GDOWithSize::New(32, 32);
    toast->DisplayToast(content);
    EXPECT_TRUE(toast->visible);
    EXPECT_EQ(content->GetParent(), toast.get());
    EXPECT_FLOAT_EQ(content->position->y, 6);

    int upAt = -1, downAt = -1, goneAt = -1;
    float lowestY = 1000;
    for (int t = 0; t <= 6000 && goneAt < 0; t += kStepMs) {
        toast->Update(kStepMs);
        const float y = toast->position->y;
        lowestY = std::min(lowestY, y);
        if (upAt < 0 && y == 156.0f) upAt = t;
        if (upAt >= 0 && downAt < 0 && y > 156.0f) downAt = t;
        if (!toast->visible) goneAt = t;
    }
    EXPECT_FLOAT_EQ(lowestY, 156);   // 180 - 24
    EXPECT_NEAR(upAt, 300, kStepMs);
    EXPECT_NEAR(downAt, 4300, 3 * kStepMs);
    EXPECT_NEAR(goneAt, 4600, 3 * kStepMs);
    EXPECT_EQ(content->GetParent(), nullptr);
    EXPECT_EQ(toast->GetContent(), nullptr);
    toast->Update(kStepMs);
    EXPECT_FLOAT_EQ(toast->position->y, 204);   // back below the edge
    // Its one listener is auto-managed: a stage switch drops it.
    EXPECT_EQ(EventManager::ListenerCount(), 1u);
    EventManager::RemoveAutoManagedListeners();
    EXPECT_EQ(EventManager::ListenerCount(), 0u);
}

TEST_F(ToastPopupTest, NewToastRestartsFromTheBottomWithNewContent)
{
    Ref<ToastPopup> toast = ToastPopup::New(U"A");
    Ref<GDO> first = GDOWithSize::New(8, 8);
    Ref<GDO> second = GDOWithSize::New(8, 8);
    toast->DisplayToast(first);
    for (int t = 0; t < 1000; t += kStepMs) toast->Update(kStepMs);
    EXPECT_GT(toast->GetHoldTime(), 0);
    toast->DisplayToast(second);
    EXPECT_EQ(first->GetParent(), nullptr);
    EXPECT_EQ(second->GetParent(), toast.get());
    toast->Update(kStepMs);
    EXPECT_FLOAT_EQ(toast->position->y, 204);
    for (int t = 0; t < 400; t += kStepMs) toast->Update(kStepMs);
    EXPECT_FLOAT_EQ(toast->position->y, 156);
    EXPECT_GT(toast->GetHoldTime(), 3500);   // a full hold again
}

}  // namespace
}  // namespace zelka
