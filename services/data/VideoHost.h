#pragma once

#include "platform/app/App.h"

#include <optional>
#include <vector>

namespace zelka {

// The display as the game data sees it: the monitor's modes, the desktop mode and the
// window. The game uses the framework's one (AppVideoHost); tests use NullVideoHost.
class VideoHost {
public:
    virtual ~VideoHost() = default;

    // The monitor's modes; a size may repeat (one entry per refresh rate).
    [[nodiscard]] virtual std::vector<DisplayMode> DisplayModes() const = 0;
    // The desktop mode at start; none without a monitor.
    [[nodiscard]] virtual std::optional<DisplayMode> DesktopMode() const = 0;
    // The window's current size in pixels.
    [[nodiscard]] virtual int DeviceWidth() const = 0;
    [[nodiscard]] virtual int DeviceHeight() const = 0;
    // Reopens the window at that size, full screen or windowed.
    virtual void SetDeviceWindow(int width, int height, bool fullscreen) = 0;
    // Frames per buffer swap for the current window.
    virtual void SetSwapInterval(int interval) = 0;
};

}  // namespace zelka
