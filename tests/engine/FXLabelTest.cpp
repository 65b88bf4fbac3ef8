#include "engine/text/FXLabel.h"

#include <gtest/gtest.h>

#include "StubFont.h"
#include "engine/core/EventManager.h"

namespace zelka {
namespace {

TEST(FXLabel, PopsWithAnElasticStretchAndHidesAgain)
{
    const Ref<FXLabel> label = FXLabel::New(testing_media::StubFont::New(), 1.0f);
    label->Update(16);
    EXPECT_FALSE(label->IsVisible());   // hidden until popped
    label->Show4(U"GO!");
    EXPECT_EQ(label->GetText(), U"GO!");
    float peak = 0;
    int visibleUpdates = 0;
    for (int n = 0; n < 100; ++n) {
        label->Update(16);
        if (!label->IsVisible()) {
            break;
        }
        ++visibleUpdates;
        peak = std::max(peak, label->scale.y);
    }
    // Out and back over 500 ms each: about 62 updates of 16 ms.
    EXPECT_GE(visibleUpdates, 60);
    EXPECT_LE(visibleUpdates, 64);
    EXPECT_GT(peak, 1.0f);   // elastic overshoot past full height
    EXPECT_FALSE(label->IsVisible());
    // An empty text pops the old one again.
    label->Show4(U"");
    label->Update(16);
    EXPECT_TRUE(label->IsVisible());
    EXPECT_EQ(label->GetText(), U"GO!");
}

class StopSpy : public EventListener {
public:
    void HandleEvent(Object*, int id, Object*) override { ids.push_back(id); }
    std::vector<int> ids;
};

TEST(FXLabel, ShowingWhilePoppingRestartsAndStopsTheRunningPop)
{
    EventManager::RemoveAllListeners();
    const Ref<FXLabel> label = FXLabel::New(nullptr, 1.0f);
    label->GetTween()->SetEvents(true);
    const auto spy = std::make_shared<StopSpy>();
    EventManager::RegisterListener(spy, label->GetTween(), kEventTweenStopped);
    label->Show4(U"A");
    for (int n = 0; n < 10; ++n) {
        label->Update(16);
    }
    label->Show4(U"B");
    EXPECT_EQ(spy->ids, (std::vector<int>{kEventTweenStopped}));
    EXPECT_EQ(label->GetTween()->GetElapsed(), 0);
    EXPECT_TRUE(label->GetTween()->IsPlaying());
    EventManager::RemoveAllListeners();
}

}  // namespace
}  // namespace zelka
