#pragma once

// The character-select screens' test set-up: a fresh GameData (GameDataFixture) with the
// game's fonts and enciphered images from the generated data set, drawn into a recording
// device, and every sound-effect request recorded.

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/text/FontCache.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "screens/app/AppServices.h"
#include "services/data/GameData.h"
#include "tests/services/GameDataFixture.h"

#include <vector>

namespace zelka {

class CharSelFixture : public GameDataFixture {
protected:
    struct Played {
        int number;
        int channel;
        bool operator==(const Played&) const = default;
    };

    void SetUp() override
    {
        GameDataFixture::SetUp();
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device_);
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        GameData::Init();
        AppGameDataHooks{}.LoadFonts();
        SoundManager::SetSpy([this](const SoundManager::Request& request) {
            if (request.preload) {
                preloaded_.push_back(request.number);
            } else {
                played_.push_back({request.number, request.channel});
            }
        });
    }

    void TearDown() override
    {
        SoundManager::SetSpy(nullptr);
        GameData::stdFont.reset();
        GameData::secFont.reset();
        FontCache::Clear();
        EventManager::RemoveAllListeners();
        Texture::encryptionEnabled = false;
        AudioManager::encryptionEnabled = false;
        graphics::ResetContext();
        same::ResetDrawingState();
        GameDataFixture::TearDown();
    }

    // Numbers played, in order.
    std::vector<int> PlayedNumbers() const
    {
        std::vector<int> numbers;
        for (const Played& p : played_) numbers.push_back(p.number);
        return numbers;
    }

    RecordingGraphicsDevice device_{640, 360};
    std::vector<Played> played_;
    std::vector<int> preloaded_;
};

}  // namespace zelka
