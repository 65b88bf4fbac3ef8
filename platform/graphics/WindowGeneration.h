#pragma once

namespace zelka::graphics {

// Textures live in the GL context of one window opening. The host counts openings here so
// surfaces can tell whether their texture is still valid: a texture of an older opening died
// with its context and is rebuilt from the stored pixels on the next draw.

// Number of windows opened so far; 0 before the first one (no texture can exist yet).
[[nodiscard]] int WindowGeneration();

// The host calls this right after a new window's context was made current. Not for a mode
// change that keeps the context (glfwSetWindowMonitor): the old textures would leak.
void NotifyWindowOpened();

// The host calls this before it destroys the window (and so the GL context). From then
// until the next opening no surface makes a GL call, not even from its destructor.
void NotifyWindowClosed();

// True between NotifyWindowOpened and NotifyWindowClosed: a current context exists.
[[nodiscard]] bool IsContextLive();

}  // namespace zelka::graphics
