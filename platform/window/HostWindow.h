#pragma once

#include <optional>
#include <vector>

namespace zelka {

// A monitor mode: size in pixels and bits per colour component.
struct VideoMode {
    int width = 0;
    int height = 0;
    int redBits = 0;
    int greenBits = 0;
    int blueBits = 0;
};

// Top-left corner of a window in desktop pixels.
struct WindowPosition {
    int x = 0;
    int y = 0;
};

// Where a windowed window of width x height goes to be centred on the desktop (integer
// halves, so an odd leftover pixel goes right / down).
[[nodiscard]] WindowPosition CentredPosition(const VideoMode& desktop, int width, int height);

// Receives the input of the window, translated to the game's key codes and event types
// (see platform/input/InputDevice.h). Called only inside PollEvents / WaitEvents.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void KeyEvent(int type, int code) = 0;
    virtual void MouseEvent(int type, int button, float x, float y) = 0;
};

// The one game window with its OpenGL context.
class HostWindow {
public:
    static constexpr int kMaxVideoModes = 1024;

    virtual ~HostWindow() = default;

    // Where input events go; null drops them.
    virtual void SetEventSink(WindowEvents* sink) = 0;

    // Closes the current window (if any) and opens a new one: width x height pixels, 8 bits
    // per colour, no alpha, depth 32 (a soft request), refresh 60, not resizable. A windowed
    // window is centred on the desktop mode cached at start and titled; every window is
    // focused and its context made current. False if no window could be opened: then none
    // exists.
    [[nodiscard]] virtual bool Open(int width, int height, bool fullscreen) = 0;
    // A window exists and no one asked it to close.
    [[nodiscard]] virtual bool IsOpen() const = 0;
    [[nodiscard]] virtual bool IsFocused() const = 0;
    [[nodiscard]] virtual bool IsIconified() const = 0;
    // Current size in pixels; 0 x 0 without a window.
    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;
    [[nodiscard]] virtual WindowPosition Position() const = 0;

    virtual void SwapBuffers() = 0;
    // Deliver pending events (PollEvents) or block until at least one arrives (WaitEvents).
    virtual void PollEvents() = 0;
    virtual void WaitEvents() = 0;

    virtual void SetMouseVisible(bool visible) = 0;
    // Frames per buffer swap (0 = no vsync); applies to the current window only.
    virtual void SetSwapInterval(int interval) = 0;

    // Codes of the keys held down now (each code once), so the host can release them
    // before the window is replaced.
    [[nodiscard]] virtual std::vector<int> HeldKeyCodes() const = 0;

    // The primary monitor's modes as the system lists them (at most kMaxVideoModes; one
    // entry per refresh rate, so sizes repeat). Empty without a monitor.
    [[nodiscard]] virtual std::vector<VideoMode> VideoModes() const = 0;
    // The desktop mode as it was when the backend started (a full-screen window changes the
    // current one). None without a monitor.
    [[nodiscard]] virtual std::optional<VideoMode> DesktopMode() const = 0;
};

}  // namespace zelka
