#include "engine/ui/Panel.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/display/GDOWithSize.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zelka {
namespace {

using testing::kStepMs;

// A child that counts its updates.
class CountingNode : public GDOWithSize {
public:
    CountingNode() : GDOWithSize(120, 40) {}
    void Update(int ms) override { ++updates; GDOWithSize::Update(ms); }
    int updates = 0;
};

// Panels on "scale.y" 0 -> 1 over 100 ms, linear, with the sound manager's requests recorded.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AudioManager::ResetState();
        SoundManager::ResetState();
        SoundManager::SetSpy([this](const SoundManager::Request& r) { requests_.push_back(r); });
        content_ = std::make_shared<CountingNode>();
        panel_ = Panel::New(content_, U"scale.y", 0.0f, 1.0f, 100, LinearEase::New());
    }
    void TearDown() override
    {
        SoundManager::SetSpy(nullptr);
        AudioManager::ResetState();
        SoundManager::ResetState();
    }

    float Value() const { return panel_->scale.y; }
    // Open, enabled, animating.
    std::array<bool, 3> Flags() const { return {panel_->IsOpen(), panel_->IsEnabled(), panel_->IsAnimating()}; }
    // Updates until the tween has stopped and one more update has settled the flags.
    void RunOut()
    {
        for (int i = 0; i < 100 && (panel_->GetTween()->IsPlaying() || panel_->IsAnimating()); ++i) {
            panel_->Update(kStepMs);
        }
    }
    std::vector<int> Played() const
    {
        std::vector<int> out;
        for (const SoundManager::Request& r : requests_) {
            if (!r.preload) out.push_back(r.number);
        }
        return out;
    }

    std::vector<SoundManager::Request> requests_;
    Ref<CountingNode> content_;
    Ref<Panel> panel_;
};

constexpr std::array<bool, 3> kClosed{false, false, false};
constexpr std::array<bool, 3> kMoving{true, true, true};   // opening or closing
constexpr std::array<bool, 3> kOpen{true, true, false};

TEST_F(PanelTest, NewPanelIsClosedAndPreloadsItsEffects)
{
    EXPECT_FLOAT_EQ(Value(), 0.0f);
    EXPECT_EQ(Flags(), kClosed);
    panel_->Update(kStepMs);
    EXPECT_EQ(content_->updates, 0);
    ASSERT_EQ(requests_.size(), 2u);
    EXPECT_TRUE(requests_[0].preload && requests_[1].preload);
    EXPECT_EQ((std::array<int, 2>{requests_[0].number, requests_[1].number}),
              (std::array<int, 2>{kSfxPanelClose, kSfxPanelOpen}));
}

TEST_F(PanelTest, OpenAndCloseFollowTheStateTable)
{
    panel_->Open(false, false, 0);
    EXPECT_EQ(Flags(), kMoving);
    RunOut();
    EXPECT_FLOAT_EQ(Value(), 1.0f);
    EXPECT_EQ(Flags(), kOpen);
    const int updatesWhileOpening = content_->updates;
    panel_->Update(kStepMs);
    EXPECT_EQ(content_->updates, updatesWhileOpening + 1);

    panel_->Close2(false, false);
    EXPECT_EQ(Flags(), kMoving);
    panel_->Update(kStepMs);
    EXPECT_LT(Value(), 1.0f);
    RunOut();
    EXPECT_FLOAT_EQ(Value(), 0.0f);
    EXPECT_EQ(Flags(), kClosed);
    EXPECT_TRUE(Played().empty());   // both asked for no sound
}

TEST_F(PanelTest, DelayedOpenHoldsTheClosedValueThenEasesOpen)
{
    panel_->Open(false, true, 200);
    EXPECT_EQ(Played(), std::vector<int>{kSfxPanelOpen});   // at once
    for (int t = kStepMs; t < 200; t += kStepMs) {
        panel_->Update(kStepMs);
        EXPECT_FLOAT_EQ(Value(), 0.0f) << t;
        EXPECT_FALSE(panel_->IsFullyOpen());
        EXPECT_TRUE(panel_->IsAnimating());
    }
    EXPECT_EQ(content_->updates, 0);   // children wait while at the closed value
    panel_->Update(kStepMs);           // crosses 200 ms
    EXPECT_GT(Value(), 0.0f);
    EXPECT_TRUE(panel_->IsFullyOpen());
    while (panel_->GetTween()->IsPlaying()) panel_->Update(kStepMs);
    EXPECT_EQ(Flags(), kMoving);
    panel_->Update(kStepMs);   // the first update that finds the tween stopped
    EXPECT_EQ(Flags(), kOpen);
}

TEST_F(PanelTest, ImmediateCloseHidesAtTheNextUpdate)
{
    panel_->Open(true, false, 0);
    EXPECT_FLOAT_EQ(Value(), 1.0f);
    panel_->Close2(true, true);
    EXPECT_FLOAT_EQ(Value(), 0.0f);
    EXPECT_TRUE(panel_->IsOpen());
    panel_->Update(kStepMs);
    EXPECT_EQ(Flags(), kClosed);
    EXPECT_EQ(Played(), std::vector<int>{kSfxPanelClose});

    // Closing a closed, inactive panel once animated for ever: it finishes at once.
    panel_->Close2(false, false);
    EXPECT_FALSE(panel_->IsAnimating());
    EXPECT_FALSE(panel_->GetTween()->IsPlaying());
    EXPECT_FLOAT_EQ(Value(), 0.0f);
}

TEST_F(PanelTest, ReopeningStartsFromClosedAndWinsOverAClose)
{
    panel_->Open(true, false, 0);
    panel_->Update(kStepMs);
    panel_->Open(false, false, 0);   // already open: starts from the closed value again
    EXPECT_FLOAT_EQ(Value(), 0.0f);
    panel_->Update(50);
    EXPECT_FLOAT_EQ(Value(), 0.5f);

    panel_->Close2(false, false);
    panel_->Update(kStepMs);
    panel_->Open(true, false, 0);   // immediate open during the close
    RunOut();
    EXPECT_FLOAT_EQ(Value(), 1.0f);
    EXPECT_EQ(Flags(), kOpen);
}

TEST_F(PanelTest, EqualOpenAndClosedValuesOpenWithoutAnimating)
{
    Ref<Panel> flat = Panel::New(nullptr, U"alpha", 1.0f, 1.0f, 100, nullptr);
    flat->Open(false, false, 0);
    EXPECT_FALSE(flat->GetTween()->IsPlaying());   // nothing to run
    flat->Update(kStepMs);
    EXPECT_TRUE(flat->IsOpen());
    EXPECT_FALSE(flat->IsAnimating());
}

}  // namespace
}  // namespace zelka
