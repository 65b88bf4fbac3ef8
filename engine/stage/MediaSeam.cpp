#include "engine/stage/MediaSeam.h"

namespace zelka::media_seam {

Hooks& Get()
{
    static Hooks hooks;
    return hooks;
}

void AudioInit()
{
    if (Get().audioInit) {
        Get().audioInit();
    }
}

void AudioFrameUpdate(int intervalMs)
{
    if (Get().audioFrameUpdate) {
        Get().audioFrameUpdate(intervalMs);
    }
}

void UnloadDiscardableSfx()
{
    if (Get().unloadDiscardableSfx) {
        Get().unloadDiscardableSfx();
    }
}

void RenderUndrawnTextures()
{
    if (Get().renderUndrawnTextures) {
        Get().renderUndrawnTextures();
    }
}

}  // namespace zelka::media_seam
