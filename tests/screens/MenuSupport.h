#pragma once

// Shared by the menu tests: game data and media (MediaFixture) with the enciphered data
// set but stub fonts, a scripted input provider, a record of the effects played and key
// presses on the keyboard.
#include "platform/input/KeyCodes.h"
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/mapping/InputProvider.h"
#include "tests/engine/StubFont.h"
#include "tests/engine/NothingRefused.h"
#include "services/xml/XMLNode.h"
#include "tests/services/MediaFixture.h"

#include <fstream>
#include <iterator>
#include <set>
#include <string>
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

// savedata/settings.dat decoded as the game reads it; null if it does not decode.
inline Ref<XMLNode> SettingsFileTree()
{
    std::ifstream file("savedata/settings.dat");
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    return playerconfig::ReadSaveNodeFromFileContent(FromUtf8(bytes));
}

inline bool EndsWith(const String& text, const String& tail)
{
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class MenuFixture : public MediaFixture, public NothingRefused {
protected:
    void SetUp() override
    {
        MediaFixture::SetUp();
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) played.push_back(r.number);
        });
        Texture::encryptionEnabled = true;     // the data set is enciphered, as shipped
        AudioManager::encryptionEnabled = true;
        GameData::Init();
        UseStubFonts();
    }

    void TearDown() override
    {
        ExpectNothingRefused();
        MediaFixture::TearDown();
    }

    static void UseStubFonts()
    {
        GameData::stdFont = testing_media::StubFont::New();
        GameData::secFont = testing_media::StubFont::New();
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

    std::vector<int> played;  // effect numbers played, in order
};

}  // namespace zelka
