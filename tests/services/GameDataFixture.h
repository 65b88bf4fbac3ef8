#pragma once

// A fresh GameData in a temporary working directory (the files are relative to it), with
// a fake 1920x1080 display, two fake pads (indexes 0 and 2) and hooks that record calls.
#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "platform/input/InputDevice.h"
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"
#include "services/data/GameDataHooks.h"
#include "services/data/null/NullVideoHost.h"
#include "platform/input/null/FakeJoystickBackend.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zelka {

class RecordingHooks final : public GameDataHooks {
public:
    void NotifyPlayerInputMode(int player) override { ++notified[player], notices.push_back(player); }
    void RaiseCfgConflictPanel() override { ++conflictPanels; }
    void ShowCharacterUnlocked(const CharProfile& p) override { unlocks.push_back(p.GetName()); }
    void ShowWorldUnlocked(const String& name) override { unlocks.push_back(name); }

    std::map<int, int> notified;
    int conflictPanels = 0;
    std::vector<int> notices;  // players notified, in order (each one event 1010)
    std::vector<String> unlocks;
};

class GameDataFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        home_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "zelka-svc-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        dir_ = pattern;
        std::filesystem::current_path(dir_);
        input::SetInputDevice(keys_);
        GameData::ResetForTest();
        AudioManager::ResetState();
        SoundManager::ResetState();
        GameData::SetHooks(&hooks_);
        UseDesktop(DisplayMode{1920, 1080},
                   {{1920, 1080}, {1920, 1080}, {1280, 1024}, {1280, 1024}, {800, 600}});
        pads_->Plug(0);
        pads_->Plug(2);
        GameData::SetJoystickBackend(pads_);
    }

    void TearDown() override
    {
        GameData::ResetForTest();
        GameData::SetHooks(nullptr);
        GameData::SetVideoHost(nullptr);
        GameData::SetJoystickBackend(nullptr);
        input::SetInputDevice(nullptr);
        AudioManager::ResetState();
        SoundManager::ResetState();
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(dir_);
    }

    void UseDesktop(std::optional<DisplayMode> desktop, std::vector<DisplayMode> modes)
    {
        video_ = std::make_shared<NullVideoHost>(desktop, std::move(modes));
        GameData::SetVideoHost(video_);
    }

    // A second run of the game in the same folder: everything but the files is forgotten.
    void Restart()
    {
        GameData::ResetForTest();
        GameData::Init();
    }

    std::filesystem::path home_;
    std::filesystem::path dir_;
    Ref<InputDevice> keys_ = std::make_shared<InputDevice>();
    RecordingHooks hooks_;
    Ref<NullVideoHost> video_;
    Ref<FakeJoystickBackend> pads_ = std::make_shared<FakeJoystickBackend>();
};

}  // namespace zelka
