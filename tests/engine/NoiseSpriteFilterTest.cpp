#include "engine/ui/NoiseSpriteFilter.h"

#include "engine/display/GDOWithSize.h"
#include "tests/engine/MediaTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelka {
namespace {

class NoiseSpriteFilterTest : public testing_media::RecordingFixture {
protected:
    std::vector<DeviceCall> Calls(DeviceOp op) const
    {
        std::vector<DeviceCall> out;
        for (const DeviceCall& c : device_.Calls()) {
            if (c.op == op) out.push_back(c);
        }
        return out;
    }
    // A filter over a 40 x 20 target at time `ms` (the random start removed).
    Ref<NoiseSpriteFilter> FilterAt(const Ref<GDO>& target, int ms)
    {
        Ref<NoiseSpriteFilter> filter = NoiseSpriteFilter::New(target);
        filter->Update(ms - filter->GetTime());
        device_.ClearCalls();
        return filter;
    }
};

TEST_F(NoiseSpriteFilterTest, DrawsScanLinesAndTheBandClippedAtTheEdgesOrGoneInTheGap)
{
    Ref<GDOWithSize> target = GDOWithSize::New(40, 20);   // hw 20, hh 10
    Ref<NoiseSpriteFilter> filter = FilterAt(target, 80);   // band offset 10
    graphics::SetAlpha(0.8f);
    device_.ClearCalls();
    filter->Draw();
    const std::vector<DeviceCall> lines = Calls(DeviceOp::DrawLine);
    ASSERT_EQ(lines.size(), 11u);   // i = 0 .. 10
    EXPECT_EQ(lines[0].args, (std::vector<float>{-20, -10, 20, -10}));
    EXPECT_EQ(lines[10].args, (std::vector<float>{-20, 10, 20, 10}));
    std::vector<DeviceCall> rects = Calls(DeviceOp::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    // Band centre hh - f = 0, half height hh / 8 = 1.25.
    EXPECT_EQ(rects[0].args, (std::vector<float>{-20, -1.25f, 40, 2.5f}));
    EXPECT_FLOAT_EQ(rects[0].alpha, 0.6f);
    EXPECT_EQ(rects[0].color, (std::array<float, 3>{0, 0, 0}));
    EXPECT_FLOAT_EQ(graphics::GetAlpha(), 0.8f);   // restored
    EXPECT_EQ(same::TINTr_, 255);

    filter = FilterAt(target, 0);   // the band centred on the bottom edge: clipped
    filter->Draw();
    rects = Calls(DeviceOp::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args, (std::vector<float>{-20, 8.75f, 40, 1.25f}));

    filter->Update(25 * 8);   // f = 25: the centre at -15, above the top edge
    device_.ClearCalls();
    filter->Draw();
    EXPECT_TRUE(Calls(DeviceOp::DrawRect).empty());
    EXPECT_EQ(Calls(DeviceOp::DrawLine).size(), 11u);
}

// A height of 0 once took fmod by 0.
TEST_F(NoiseSpriteFilterTest, FollowsTheTargetAndAFlatOrMissingOneDrawsNothing)
{
    Ref<GDOWithSize> target = GDOWithSize::New(40, 20);
    target->position->Set(30, 40);
    target->visible = false;
    Ref<NoiseSpriteFilter> follower = NoiseSpriteFilter::New(target);
    const int start = follower->GetTime();
    follower->Update(16);
    EXPECT_EQ(follower->GetTime(), start + 16);
    EXPECT_FALSE(follower->visible);
    EXPECT_EQ((std::array<float, 2>{follower->position->x, follower->position->y}), (std::array<float, 2>{30, 40}));

    Ref<GDOWithSize> flat = GDOWithSize::New(40, 0);
    FilterAt(flat, 100)->Draw();
    Ref<GDOWithSize> squashed = GDOWithSize::New(40, 20);
    squashed->scale.y = 0;
    FilterAt(squashed, 100)->Draw();
    Ref<NoiseSpriteFilter> none = NoiseSpriteFilter::New(nullptr);
    none->Update(16);
    none->Draw();
    EXPECT_TRUE(device_.Draws().empty());
}

}  // namespace
}  // namespace zelka
