#pragma once

// A screen under test with everything the game gives it: the game data over a temporary
// folder, the generated data set (enciphered, as shipped), both fonts, a recording graphics
// device, a silent audio device with the sound manager, the application object (so the
// stage's requests to change stage are visible as the pending stage) and a spy on every
// sound request. Updates run one at a time, as the main loop runs them.

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/input/KeyCodes.h"
#include "screens/app/AppServices.h"
#include "screens/app/ZELKA.h"
#include "services/data/GameData.h"
#include "tests/services/GameDataFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zelka::testing_screens {

class SilentMusic final : public StageMusic {
public:
    void FadeOut(int /*ms*/) override {}
    void Restart(int /*track*/) override {}
};

class ScreenFixture : public GameDataFixture {
protected:
    static constexpr int kStepMs = 16;

    void SetUp() override
    {
        GameDataFixture::SetUp();
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        audio_ = std::make_shared<NullAudioDevice>();
        audio::SetAudioDevice(audio_);
        AudioManager::Init();
        SoundManager::Init();
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            (r.preload ? preloads : plays).push_back(r.number);
        });
        ExtendedStage::SetHooks(&overlay);
        app = std::make_unique<ZELKA>();
        app->SetMusic(std::make_shared<SilentMusic>());
        GameData::Init();
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::secFont = Font::New(U"upheaval.fnt");
    }

    void TearDown() override
    {
        if (stage) {
            stage->Deallocate();
            stage.reset();
        }
        app.reset();
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        ExtendedStage::SetHooks(nullptr);
        SoundManager::SetSpy(nullptr);
        GameData::stdFont.reset();
        GameData::secFont.reset();
        Texture::encryptionEnabled = false;
        AudioManager::encryptionEnabled = false;
        GameDataFixture::TearDown();
        audio::SetAudioDevice(nullptr);
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    // Runs every load step, as the loading screen does.
    void Load(Ref<Stage> s)
    {
        stage = std::move(s);
        for (int i = 0; i < 100 && stage->GetLoadingProgress() < 100; ++i) {
        }
        ASSERT_EQ(stage->GetLoadingProgress(), 100);
    }

    // One update of the main loop: the devices are polled, the stage runs, the hits end.
    // `before` runs first (key events arrive before the update).
    void Step(const std::function<void()>& before = nullptr, int ms = kStepMs)
    {
        keys_->BeginUpdate();
        if (before) {
            before();
        }
        GameData::UpdateRegisteredHardware();
        if (stage->BeforeUpdate(ms)) {
            stage->Update(ms);
        }
        keys_->EndUpdate();
    }
    void Steps(int count)
    {
        for (int i = 0; i < count; ++i) {
            Step();
        }
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
    bool Played(int sfx) const
    {
        for (int n : plays) {
            if (n == sfx) return true;
        }
        return false;
    }

    // Every label text under a node, depth first.
    static void CollectTexts(const GDO& node, std::vector<String>& out)
    {
        for (int i = 0; i < node.ChildCount(); ++i) {
            const Ref<GDO> child = node.GetChild(i);
            if (auto* label = dynamic_cast<Label*>(child.get())) {
                out.push_back(label->GetText());
            }
            CollectTexts(*child, out);
        }
    }

    RecordingGraphicsDevice device{640, 360};
    Ref<NullAudioDevice> audio_;
    AppOverlayHooks overlay;
    std::unique_ptr<ZELKA> app;
    Ref<Stage> stage;
    std::vector<int> preloads;
    std::vector<int> plays;
};

}  // namespace zelka::testing_screens
