#pragma once

// A screen under test with everything the game gives it: the game data and media as
// shipped (MediaFixture), the sound manager on the silent device, the application object
// (AppDriver: the stage's requests to change stage are visible as the pending stage) and a
// spy on every sound request. Updates run one at a time, as the main loop runs them.

#include "engine/text/Label.h"
#include "platform/input/KeyCodes.h"
#include "tests/screens/AppDriver.h"
#include "tests/services/MediaFixture.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

namespace zelka::testing_screens {

class ScreenFixture : public AppDriver<MediaFixture> {
protected:
    static constexpr int kStepMs = testing::kStepMs;

    void SetUp() override
    {
        AppDriver::SetUp();
        UseGameMedia();
        AudioManager::Init();
        SoundManager::Init();
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            (r.preload ? preloads : plays).push_back(r.number);
        });
    }

    void TearDown() override
    {
        if (stage) stage->Deallocate();
        stage.reset();
        AppDriver::TearDown();
    }

    // Runs every load step, as the loading screen does.
    void Load(Ref<Stage> s)
    {
        stage = std::move(s);
        for (int i = 0; i < 100 && stage->GetLoadingProgress() < 100; ++i) continue;
        ASSERT_EQ(stage->GetLoadingProgress(), 100);
    }

    // One update of the main loop: the devices are polled, the stage runs, the hits end.
    // `before` runs first (key events arrive before the update).
    void Step(const std::function<void()>& before = nullptr, int ms = kStepMs)
    {
        keys_->BeginUpdate();
        if (before) before();
        GameData::UpdateRegisteredHardware();
        if (stage->BeforeUpdate(ms)) stage->Update(ms);
        keys_->EndUpdate();
    }
    void Steps(int count)
    {
        for (int i = 0; i < count; ++i) Step();
    }
    void Press(int code)
    {
        Step([this, code] { keys_->KeyEvent(kEventKeyDown, code); });
        keys_->KeyEvent(kEventKeyUp, code);
    }
    void Hold(int code) { keys_->KeyEvent(kEventKeyDown, code); }
    void Release(int code) { keys_->KeyEvent(kEventKeyUp, code); }

    // The stage asked for next, kNoStageId for none.
    int Pending() const { return app->GetNextStageId(); }
    bool Played(int sfx) const { return std::ranges::find(plays, sfx) != plays.end(); }

    // Every label text under a node, depth first.
    static std::vector<String> Texts(const GDO& node)
    {
        std::vector<String> texts;
        for (int i = 0; i < node.ChildCount(); ++i) {
            const Ref<GDO> child = node.GetChild(i);
            if (auto* label = dynamic_cast<Label*>(child.get())) texts.push_back(label->GetText());
            std::ranges::copy(Texts(*child), std::back_inserter(texts));
        }
        return texts;
    }

    Ref<Stage> stage;
    std::vector<int> preloads;
    std::vector<int> plays;
};

}  // namespace zelka::testing_screens
