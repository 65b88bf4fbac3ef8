#pragma once

// The real application object run headless: a fake clock, a recording graphics device,
// the game's own overlay (the real menus), stub fonts and game-data hooks that reach the
// application as the game's do. Stages are bare extended stages unless a test asks for
// the placeholder screens.
#include "engine/audio/AudioManager.h"
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/text/FontCache.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/ui/Panel.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "screens/app/AppConstants.h"
#include "screens/app/AppServices.h"
#include "screens/app/ZELKA.h"
#include "screens/placeholders/PlaceholderStage.h"
#include "tests/screens/MenuSupport.h"

#include <memory>

namespace zelka {

class AppMusic final : public StageMusic {
public:
    void FadeOut(int) override {}
    void Restart(int) override {}
};

// The application's game-data hooks with stub fonts.
class FlowHooks final : public GameDataHooks {
public:
    void LoadFonts() override
    {
        if (gameFonts) {
            AppGameDataHooks{}.LoadFonts();
            return;
        }
        GameData::stdFont = testing_media::StubFont::New();
        GameData::secFont = testing_media::StubFont::New();
    }
    void NotifyPlayerInputMode(int player) override { ZELKA::NotifyPlayerInputMode(player); }
    void RaiseCfgConflictPanel() override { ZELKA::RaiseCfgConflictPanel(); }

    bool gameFonts = false;   // the game's fonts from the data set instead of stubs
};

class AppFixture : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        GameData::SetHooks(&flowHooks);
        EventManager::mute = false;
        same::ResetDrawingState();
        ExtendedStage::SetHooks(&overlay);
        clock.Set(10.0);
        app = std::make_unique<ZELKA>();
        app->SetClock(&clock);
        app->SetMusic(std::make_shared<AppMusic>());
        app->SetFullScreenToggle([] {});
        for (int id = kStageMatch; id <= kStageIntro2; ++id) {
            app->SetStageBuilder(id, [] { return ExtendedStage::New(0); });
        }
    }

    void TearDown() override
    {
        if (app->GetCurrentStage()) {
            app->GetCurrentStage()->Deallocate();
        }
        app.reset();
        ExtendedStage::SetHooks(nullptr);
        Texture::encryptionEnabled = false;
        AudioManager::encryptionEnabled = false;
        EventManager::mute = false;
        same::ResetDrawingState();
        GameData::stdFont.reset();
        GameData::secFont.reset();
        FontCache::Clear();
        MenuFixture::TearDown();
    }

    // The game's own screens (placeholders where none has landed yet), with the game's
    // fonts and enciphered data.
    void UseGameScreens()
    {
        flowHooks.gameFonts = true;
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        for (int id = kStageMatch; id <= kStageIntro2; ++id) {
            app->SetStageBuilder(id, ZELKA::DefaultStageBuilder(id));
        }
    }

    void Frame()
    {
        device.BeginRender();
        graphics::BeginRender();
        app->OnRender();
        graphics::EndRender();
        device.EndRender();
    }

    // One frame and one 16 ms update, with `code` (if any) hit in it.
    void Step(int code = 0)
    {
        Frame();
        clock.Advance(0.016);
        keys_->BeginUpdate();
        if (code != 0) keys_->KeyEvent(kEventKeyDown, code);
        app->OnUpdate();
        keys_->EndUpdate();
        if (code != 0) keys_->KeyEvent(kEventKeyUp, code);
    }

    void Steps(int count)
    {
        for (int i = 0; i < count; ++i) Step();
    }

    // Starts the game and switches to `id`, running until that stage is stable and its
    // incoming transition is over.
    void RunTo(int id)
    {
        if (app->GetCurrentStageId() == kNoStageId) app->OnCreate();
        if (app->GetCurrentStageId() != id) app->GoToStage(id);
        for (int i = 0; i < 600; ++i) {
            if (app->GetCurrentStageId() == id && app->IsStable() &&
                app->GetTransitionState() == kTransitionNone) {
                return;
            }
            Step();
        }
        FAIL() << "stage " << id << " never settled";
    }

    ExtendedStage& Stage() { return *ZELKA::CurrentExtendedStage(); }
    template <typename T>
    T& PanelOf(const Ref<GDO>& panel)
    {
        return dynamic_cast<T&>(*panel);
    }

    FlowHooks flowHooks;
    FakeClock clock;
    AppOverlayHooks overlay;
    std::unique_ptr<ZELKA> app;
};

}  // namespace zelka
