#pragma once

// Fresh game data (GameDataFixture) with the devices a screen draws and sounds through: a
// recording graphics device, a silent audio device, no event listeners and the drawing
// state reset. UseGameMedia() adds what the shipped game reads: the enciphered data set,
// initialised game data and both fonts. Tear-down also undoes what a stage under test may
// have left behind: overlay hooks, the sound spy, the fonts and the font cache.
#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/text/Font.h"
#include "engine/text/FontCache.h"
#include "engine/text/RetroFontWithShadow.h"
#include "engine/ui/ToastPopup.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "services/data/GameData.h"
#include "tests/services/GameDataFixture.h"

namespace zelka {

class MediaFixture : public GameDataFixture {
protected:
    void SetUp() override
    {
        GameDataFixture::SetUp();
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        audio::SetAudioDevice(sound);
    }

    void TearDown() override
    {
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        ExtendedStage::SetHooks(nullptr);
        SoundManager::SetSpy(nullptr);
        GameData::stdFont.reset();
        GameData::secFont.reset();
        ToastPopup::font.reset();
        RetroFontWithShadow::shadowFont.reset();
        FontCache::Clear();
        Texture::encryptionEnabled = false;
        AudioManager::encryptionEnabled = false;
        GameDataFixture::TearDown();
        audio::SetAudioDevice(nullptr);
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    // The data set as shipped (enciphered), the game data read from it and both fonts.
    static void UseGameMedia()
    {
        Texture::encryptionEnabled = true;
        AudioManager::encryptionEnabled = true;
        GameData::Init();
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::secFont = Font::New(U"upheaval.fnt");
    }

    RecordingGraphicsDevice device{640, 360};
    Ref<NullAudioDevice> sound = std::make_shared<NullAudioDevice>();
};

}  // namespace zelka
