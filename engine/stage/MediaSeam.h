#pragma once

#include <functional>

namespace zelka::media_seam {

// Seam for the audio manager and the texture registry, which live above the stage code and
// are built later: each hook is empty (a no-op) until that code installs its own.
struct Hooks {
    std::function<void()> audioInit;                 // AudioManager::Init
    std::function<void(int)> audioFrameUpdate;       // AudioManager::FrameUpdate(interval ms)
    std::function<void()> unloadDiscardableSfx;      // AudioManager::UnloadDiscardableSFX
    std::function<void()> renderUndrawnTextures;     // Texture::RenderUndrawnTextures
};

Hooks& Get();

void AudioInit();
void AudioFrameUpdate(int intervalMs);
void UnloadDiscardableSfx();
void RenderUndrawnTextures();

}  // namespace zelka::media_seam
