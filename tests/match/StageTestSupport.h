#pragma once

// A match stage on the generated data set: fresh game data in a temporary folder, a
// recording graphics device, a game at 60 updates a second that records where the stage
// sends it, overlay hooks with a pause panel, and every sound request recorded.

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/stage/Game.h"
#include "engine/text/Font.h"
#include "engine/text/FontCache.h"
#include "match/PlayerStageData.h"
#include "match/stage/ZELKAStage.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/data/GameData.h"
#include "services/roster/Roster.h"
#include "tests/services/GameDataFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zelka::stagetest {

// Records the stages asked for, and switches nothing (the test drives the stage itself).
class RecordingGame final : public Game {
public:
    RecordingGame() : Game(60, 640, 360) {}
    void GoToStage(int id) override
    {
        requests.push_back(id);
        Game::GoToStage(id);
    }
    void OnStartTransition(int, int) override {}
    std::vector<int> requests;
};

class PauseHooks final : public OverlayHooks {
public:
    Ref<GDO> NewPausePanel() override
    {
        pause = GDO::New();
        pause->visible = false;
        pause->enabled = false;
        return pause;
    }
    void OpenPanel(GDO& panel) override
    {
        ++opens;
        panel.visible = true;
        panel.enabled = true;
    }
    void Close()
    {
        pause->visible = false;
        pause->enabled = false;
    }
    Ref<GDO> pause;
    int opens = 0;
};

class StageFixture : public GameDataFixture {
protected:
    void SetUp() override
    {
        GameDataFixture::SetUp();
        graphics::ResetContext();
        same::ResetDrawingState();
        EventManager::RemoveAllListeners();
        graphics::SetGraphicsDevice(&device_);
        graphics::BeginRender();
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        audio::SetAudioDevice(audio_);
        AudioManager::Init();
        GameData::Init();
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::secFont = Font::New(U"upheaval.fnt");
        GameData::SetCurrentWorldByIndex(0);
        Roster::Init();
        GameData::player1->character = Roster::GetCharacterByIndex(0);
        GameData::player2->character = Roster::GetCharacterByIndex(1);
        ExtendedStage::SetHooks(&overlay_);
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) {
                plays.push_back(r);
            }
        });
        game_ = std::make_unique<RecordingGame>();
    }

    void TearDown() override
    {
        if (stage_) {
            stage_->Deallocate();
            stage_.reset();
        }
        EventManager::RemoveAllListeners();
        for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
            if (player) {
                player->stageData.reset();
            }
        }
        game_.reset();
        ZELKAStage::SetComputerForBothPlayers(false);
        SoundManager::SetSpy(nullptr);
        ExtendedStage::SetHooks(nullptr);
        FontCache::Clear();
        GameData::isDemoMode = false;
        Texture::encryptionEnabled = false;
        AudioManager::encryptionEnabled = false;
        AudioManager::ResetState();
        audio::SetAudioDevice(nullptr);
        graphics::EndRender();
        graphics::ResetContext();
        same::ResetDrawingState();
        GameDataFixture::TearDown();
    }

    // A versus match (mode 1) or a race (mode 2) with the given time limit, fully loaded.
    ZELKAStage& Load(int mode, int limitMs)
    {
        GameData::SetGameMode(mode);
        stage_ = ZELKAStage::New(limitMs);
        int guard = 0;
        while (stage_->GetLoadingProgress() < kFullProgress && ++guard < 100) {
        }
        return *stage_;
    }

    // One update as the game runs it; then the frame's key hits are forgotten and the
    // pressed keys released.
    void Step()
    {
        stage_->Update(16);
        keys_->EndUpdate();
        for (const int code : pressed_) {
            keys_->KeyEvent(kEventKeyUp, code);
        }
        pressed_.clear();
    }

    // Updates until the intro banner has gone; returns how many it took.
    int RunIntro()
    {
        int updates = 0;
        while (stage_->IsIntroRunning() && updates < 1000) {
            Step();
            ++updates;
        }
        return updates;
    }

    // Updates until the stage asks for another one; returns how many it took.
    int RunUntilLeaving(int most)
    {
        int updates = 0;
        while (stage_->GetRequestedStage() == kNoStageId && updates < most) {
            Step();
            ++updates;
        }
        return updates;
    }

    // A key hit for the next update.
    void Press(int code)
    {
        keys_->KeyEvent(kEventKeyDown, code);
        pressed_.push_back(code);
    }

    int Plays(int number, int channel) const
    {
        return static_cast<int>(std::count_if(plays.begin(), plays.end(), [&](const auto& r) {
            return r.number == number && r.channel == channel;
        }));
    }

    RecordingGraphicsDevice device_;
    Ref<NullAudioDevice> audio_ = std::make_shared<NullAudioDevice>();
    PauseHooks overlay_;
    std::unique_ptr<RecordingGame> game_;
    Ref<ZELKAStage> stage_;
    std::vector<SoundManager::Request> plays;
    std::vector<int> pressed_;
};

}  // namespace zelka::stagetest
