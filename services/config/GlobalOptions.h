#pragma once

#include "platform/core/Ref.h"

namespace zelka {

// The user's options, kept in the settings file. The values here are the defaults a fresh
// installation starts with.
struct GlobalOptions {
    static Ref<GlobalOptions> New() { return std::make_shared<GlobalOptions>(); }

    bool fullscreen = true;
    bool displayHowToPlay = true;
    int screenWidth = 0;   // px; 0 x 0 means the desktop size
    int screenHeight = 0;
    int bgmVolume = 50;    // 0-100
    int sfxVolume = 80;    // 0-100
};

}  // namespace zelka
