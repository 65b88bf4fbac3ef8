#pragma once

// The character-select screens' test set-up: the game data and media as shipped
// (MediaFixture) with the application's fonts, and every sound-effect request recorded.

#include "screens/app/AppServices.h"
#include "tests/engine/NothingRefused.h"
#include "tests/services/MediaFixture.h"

#include <vector>

namespace zelka {

class CharSelFixture : public MediaFixture, public NothingRefused {
protected:
    struct Played {
        int number;
        int channel;
        bool operator==(const Played&) const = default;
    };

    void SetUp() override
    {
        MediaFixture::SetUp();
        UseGameMedia();
        AppGameDataHooks{}.LoadFonts();
        SoundManager::SetSpy([this](const SoundManager::Request& request) {
            if (request.preload) preloaded_.push_back(request.number);
            else played_.push_back({request.number, request.channel});
        });
    }

    void TearDown() override
    {
        ExpectNothingRefused();
        MediaFixture::TearDown();
    }

    std::vector<Played> played_;
    std::vector<int> preloaded_;
};

}  // namespace zelka
