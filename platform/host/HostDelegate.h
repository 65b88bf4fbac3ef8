#pragma once

namespace zelka {

// The receiver of every host event: the game delegate (platform/app). All calls come from
// the main loop, on the main thread; key and mouse events arrive inside the event step.
// Event types and codes: platform/input/InputDevice.h.
class HostDelegate {
public:
    virtual ~HostDelegate() = default;

    virtual void StartGame() {}
    virtual void SuspendGame() {}
    virtual void ResumeGame() {}
    virtual void UpdateGame() {}
    virtual void RenderGame() {}
    virtual void KeyEvent(int /*type*/, int /*code*/) {}
    virtual void MouseEvent(int /*type*/, int /*button*/, float /*x*/, float /*y*/) {}
    virtual void TouchEvent(int /*type*/, int /*finger*/, float /*x*/, float /*y*/) {}
    virtual void MotionEvent(int /*type*/, int /*index*/, float /*x*/, float /*y*/, float /*z*/) {}
    virtual void DiscardGraphics() {}
};

}  // namespace zelka
