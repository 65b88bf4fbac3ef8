#include "engine/text/IncrementalIntLabel.h"

#include <gtest/gtest.h>

#include "StubFont.h"
#include "engine/core/EventManager.h"

namespace zelka {
namespace {

class CountSpy : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* data) override
    {
        EXPECT_EQ(id, kEventCounterReached);
        EXPECT_EQ(data, nullptr);
        sources.push_back(source);
    }
    std::vector<Object*> sources;
};

class IncrementalIntLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventManager::RemoveAllListeners();
        label_ = IncrementalIntLabel::New(testing_media::StubFont::New(), 1.0f);
        spy_ = std::make_shared<CountSpy>();
        EventManager::RegisterListener(spy_, label_, kEventCounterReached);
    }
    void TearDown() override { EventManager::RemoveAllListeners(); }

    Ref<IncrementalIntLabel> label_;
    Ref<CountSpy> spy_;
};

TEST_F(IncrementalIntLabelTest, CountsByTensThenOnesAndReportsOnce)
{
    label_->SetValue(250);
    std::vector<int> shown;
    for (int n = 0; n < 200 && !label_->IsDone(); ++n) {
        label_->Update(16);
        shown.push_back(label_->GetValue());
    }
    // 10, 20 ... 150 (15 steps), then 151 ... 250 (100 steps).
    ASSERT_EQ(shown.size(), 115u);
    EXPECT_EQ(shown[0], 10);
    EXPECT_EQ(shown[14], 150);
    EXPECT_EQ(shown[15], 151);
    EXPECT_EQ(shown.back(), 250);
    EXPECT_EQ(label_->GetText(), U"250");
    EXPECT_EQ(label_->GetLineWidths(), (std::vector<int>{30}));
    ASSERT_EQ(spy_->sources.size(), 1u);
    EXPECT_EQ(spy_->sources[0], label_.get());
    // Done: later targets are ignored and nothing more is sent.
    label_->SetValue(300);
    label_->Update(16);
    EXPECT_EQ(label_->GetValue(), 250);
    EXPECT_EQ(spy_->sources.size(), 1u);
}

TEST_F(IncrementalIntLabelTest, CountsDownFastForwardsAndReportsATargetAlreadyReached)
{
    label_->SetValue(-4321);
    label_->Update(16);
    EXPECT_EQ(label_->GetValue(), -10);
    label_->FastForward();
    EXPECT_EQ(label_->GetText(), U"-4321");
    EXPECT_TRUE(label_->IsDone());
    label_->FastForward();   // done: not reported again
    EXPECT_EQ(spy_->sources.size(), 1u);

    const Ref<IncrementalIntLabel> zero = IncrementalIntLabel::New(nullptr, 1.0f);
    EventManager::RegisterListener(spy_, zero, kEventCounterReached);
    zero->Update(16);   // target 0 = current 0: done at once
    EXPECT_TRUE(zero->IsDone());
    EXPECT_EQ(spy_->sources.size(), 2u);
}

}  // namespace
}  // namespace zelka
