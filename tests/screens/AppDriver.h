#pragma once

// The real application object on top of a media fixture (`Base`): a fake clock from 10 s,
// silent music, no full-screen toggle and the game's own overlay hooks. Frames and updates
// are run by hand, as the main loop runs them.
#include "engine/stage/ExtendedStage.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/input/KeyCodes.h"
#include "screens/app/AppServices.h"
#include "screens/app/ZELKA.h"
#include "tests/screens/SilentMusic.h"

#include <memory>

namespace zelka {

template <typename Base>
class AppDriver : public Base {
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
        if (app->GetCurrentStage()) {
            app->GetCurrentStage()->Deallocate();
        }
        app.reset();
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

    FakeClock clock;
    AppOverlayHooks overlay;
    std::unique_ptr<ZELKA> app;
};

}  // namespace zelka
