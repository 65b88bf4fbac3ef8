#pragma once

// The real application object on top of a media fixture (`Base`): a fake clock from 10 s,
// silent music, no full-screen toggle and the game's own overlay hooks. Frames and updates
// are run by hand, as the main loop runs them. A refused property write fails the test.
#include "engine/stage/ExtendedStage.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/input/KeyCodes.h"
#include "screens/app/AppConstants.h"
#include "screens/app/AppServices.h"
#include "screens/app/StageMusic.h"
#include "screens/app/ZELKA.h"
#include "tests/engine/NothingRefused.h"

#include <gtest/gtest.h>

#include <memory>

namespace zelka {

// Stage music that plays nothing: the application's music changes are not under test.
class SilentMusic final : public StageMusic {
public:
    void FadeOut(int /*ms*/) override {}
    void Restart(int /*track*/) override {}
};

template <typename Base>
class AppDriver : public Base, public NothingRefusedUnlessIn<Base> {
protected:
    void SetUp() override
    {
        Base::SetUp();
        ExtendedStage::SetHooks(&overlay);
        clock.Set(10.0);
        app = std::make_unique<ZELKA>();
        app->SetClock(&clock);
        app->SetMusic(std::make_shared<SilentMusic>());
        app->SetFullScreenToggle([] {});
    }

    void TearDown() override
    {
        if (app->GetCurrentStage()) app->GetCurrentStage()->Deallocate();
        app.reset();
        if constexpr (!kBaseWatchesRefusals<Base>) this->ExpectNothingRefused();
        Base::TearDown();
    }

    // One frame drawn into the recording device.
    void Frame()
    {
        this->device.BeginRender();
        graphics::BeginRender();
        app->OnRender();
        graphics::EndRender();
        this->device.EndRender();
    }

    // One update `ms` later, without keys.
    void Update(int ms = 16)
    {
        clock.Advance(ms / 1000.0);
        this->keys_->BeginUpdate();
        app->OnUpdate();
        this->keys_->EndUpdate();
    }

    // Starts the game if need be and switches to `id`, running frames and updates until
    // that stage is stable and its incoming transition is over.
    void RunTo(int id)
    {
        if (app->GetCurrentStageId() == kNoStageId) app->OnCreate();
        if (app->GetCurrentStageId() != id) app->GoToStage(id);
        for (int i = 0; i < 2000; ++i) {
            if (app->GetCurrentStageId() == id && app->IsStable() &&
                app->GetNextStageId() == kNoStageId &&
                app->GetTransitionState() == kTransitionNone) {
                return;
            }
            Frame();
            Update();
        }
        FAIL() << "stage " << id << " never settled";
    }

    FakeClock clock;
    AppOverlayHooks overlay;
    std::unique_ptr<ZELKA> app;
};

}  // namespace zelka
