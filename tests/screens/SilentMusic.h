#pragma once

// Stage music that plays nothing: the application's music changes are not under test.
#include "screens/app/StageMusic.h"

namespace zelka {

class SilentMusic final : public StageMusic {
public:
    void FadeOut(int /*ms*/) override {}
    void Restart(int /*track*/) override {}
};

}  // namespace zelka
