#pragma once

// Shared by the menu tests: a GameData in a temporary folder with stub fonts, a scripted
// input provider, a record of the effects played and key presses on the keyboard.
#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/media/Texture.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/mapping/InputProvider.h"
#include "tests/engine/StubFont.h"
#include "tests/services/GameDataFixture.h"

#include <set>
#include <vector>

namespace zelka {

// Answers exactly the actions it was told were hit.
class FakeInput final : public InputProvider {
public:
    bool InputHit(int action) const override { return hits.count(action) > 0; }
    std::set<int> hits;
};

// The device code behind one of a mapping's actions.
inline int CodeOf(const InputMapping& mapping, int action)
{
    return mapping.GetHardware()->SearchInputByName(mapping.GetKey(action))->GetCode();
}
inline int CodeOf(const Ref<PlayerData>& player, int action)
{
    return CodeOf(*player->GetInputMapping(), action);
}

class MenuFixture : public GameDataFixture {
protected:
    void SetUp() override
    {
        GameDataFixture::SetUp();
        EventManager::RemoveAllListeners();
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) played.push_back(r.number);
        });
        graphics::ResetContext();
        graphics::SetGraphicsDevice(&device);  // images are read through the device
        Texture::encryptionEnabled = true;     // the data set holds the enciphered images
        GameData::Init();
        UseStubFonts();
    }

    static void UseStubFonts()
    {
        GameData::stdFont = testing_media::StubFont::New();
        GameData::secFont = testing_media::StubFont::New();
    }

    void TearDown() override
    {
        SoundManager::SetSpy(nullptr);
        EventManager::RemoveAllListeners();
        Texture::encryptionEnabled = false;
        graphics::ResetContext();
        GameDataFixture::TearDown();
    }

    // One update of the keyboard with `code` hit in it (a press and release around it).
    template <typename Step>
    void Press(int code, Step step)
    {
        keys_->BeginUpdate();
        keys_->KeyEvent(kEventKeyDown, code);
        GameData::UpdateRegisteredHardware();
        step();
        keys_->EndUpdate();
        keys_->KeyEvent(kEventKeyUp, code);
    }

    // One update without keys.
    template <typename Step>
    void Idle(Step step)
    {
        keys_->BeginUpdate();
        GameData::UpdateRegisteredHardware();
        step();
        keys_->EndUpdate();
    }

    RecordingGraphicsDevice device{640, 360};
    std::vector<int> played;  // effect numbers played, in order
};

}  // namespace zelka
