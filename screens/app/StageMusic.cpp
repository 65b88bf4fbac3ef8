#include "screens/app/StageMusic.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"

namespace zelka {

namespace {

class SoundManagerMusic final : public StageMusic {
public:
    void FadeOut(int ms) override { AudioManager::SetBGMVolTween(ms, AudioManager::GetBGMVol(), 0.0f); }

    void Restart(int track) override
    {
        AudioManager::StopBGM();  // also clears the track name
        if (track != kBGMNone) {
            SoundManager::PlayBGM(track);
        }
    }
};

}  // namespace

Ref<StageMusic> NewSoundManagerMusic()
{
    return std::make_shared<SoundManagerMusic>();
}

}  // namespace zelka
