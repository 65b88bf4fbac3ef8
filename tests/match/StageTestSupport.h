#pragma once

// A match stage on the generated data set: the game data and media as shipped
// (MediaFixture), a game at 60 updates a second that records where the stage
// sends it, overlay hooks with a pause panel, and every sound request recorded. A refused
// property write fails the test.

#include "engine/stage/Game.h"
#include "match/PlayerStageData.h"
#include "match/stage/ZELKAStage.h"
#include "platform/input/KeyCodes.h"
#include "services/roster/Roster.h"
#include "tests/engine/NothingRefused.h"
#include "tests/services/MediaFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zelka::stagetest {

// The data set's ids of a two-player versus match and a two-player idol race.
inline constexpr int kVersus2P = 1;
inline constexpr int kRace2P = 2;

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

class StageFixture : public MediaFixture, public NothingRefused {
protected:
    void SetUp() override
    {
        MediaFixture::SetUp();
        graphics::BeginRender();
        UseGameMedia();
        AudioManager::Init();
        GameData::SetCurrentWorldByIndex(0);
        Roster::Init();
        GameData::player1->character = Roster::GetCharacterByIndex(0);
        GameData::player2->character = Roster::GetCharacterByIndex(1);
        ExtendedStage::SetHooks(&overlay_);
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) plays.push_back(r);
        });
        game_ = std::make_unique<RecordingGame>();
    }

    void TearDown() override
    {
        Unload();
        for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
            if (player) player->stageData.reset();
        }
        game_.reset();
        ZELKAStage::SetComputerForBothPlayers(false);
        GameData::isDemoMode = false;
        AudioManager::ResetState();
        graphics::EndRender();
        ExpectNothingRefused();
        MediaFixture::TearDown();
    }

    // Releases the stage, if any, and its listeners.
    void Unload()
    {
        if (stage_) stage_->Deallocate();
        stage_.reset();
        EventManager::RemoveAllListeners();
    }

    // A versus match (mode 1) or a race (mode 2) with the given time limit, fully loaded,
    // in place of the one before.
    ZELKAStage& Load(int mode, int limitMs)
    {
        Unload();
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
        for (const int code : pressed_) keys_->KeyEvent(kEventKeyUp, code);
        pressed_.clear();
    }

    // Updates while `more` holds, at most `most`; returns how many ran.
    template <typename More>
    int StepWhile(More more, int most)
    {
        int updates = 0;
        for (; more() && updates < most; ++updates) Step();
        return updates;
    }
    // Until the intro banner has gone.
    int RunIntro() { return StepWhile([this] { return stage_->IsIntroRunning(); }, 1000); }
    // Until the stage asks for another one.
    int RunUntilLeaving(int most)
    {
        return StepWhile([this] { return stage_->GetRequestedStage() == kNoStageId; }, most);
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

    PauseHooks overlay_;
    std::unique_ptr<RecordingGame> game_;
    Ref<ZELKAStage> stage_;
    std::vector<SoundManager::Request> plays;
    std::vector<int> pressed_;
};

}  // namespace zelka::stagetest
