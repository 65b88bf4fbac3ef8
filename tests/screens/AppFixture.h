#pragma once

// The real application object run headless: a fake clock, a recording graphics device,
// the game's own overlay (the real menus), stub fonts and game-data hooks that reach the
// application as the game's do. Stages are bare extended stages unless a test asks for
// the game's own screens.
#include "engine/ui/Panel.h"
#include "screens/app/AppConstants.h"
#include "tests/screens/AppDriver.h"
#include "tests/screens/MenuSupport.h"

#include <memory>

namespace zelka {

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

class AppFixture : public AppDriver<MenuFixture> {
protected:
    void SetUp() override
    {
        AppDriver::SetUp();
        GameData::SetHooks(&flowHooks);
        for (int id = kStageMatch; id <= kStageIntro2; ++id) {
            app->SetStageBuilder(id, [] { return ExtendedStage::New(0); });
        }
    }

    // The game's own screens, with the game's fonts and enciphered data.
    void UseGameScreens()
    {
        flowHooks.gameFonts = true;
        flowHooks.LoadFonts();   // the game data was set up with stubs already
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        for (int id = kStageMatch; id <= kStageIntro2; ++id) {
            app->SetStageBuilder(id, ZELKA::DefaultStageBuilder(id));
        }
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

    ExtendedStage& Stage() { return *ZELKA::CurrentExtendedStage(); }
    template <typename T>
    T& PanelOf(const Ref<GDO>& panel)
    {
        return dynamic_cast<T&>(*panel);
    }

    FlowHooks flowHooks;
};

}  // namespace zelka
