#pragma once

#include "services/data/VideoHost.h"

#include <utility>

namespace zelka {

// A display without a window: reports the desktop and modes it was given and keeps the
// window it was asked for.
class NullVideoHost final : public VideoHost {
public:
    NullVideoHost(std::optional<DisplayMode> desktop, std::vector<DisplayMode> modes)
        : desktop_(desktop), modes_(std::move(modes))
    {
    }

    // Implements VideoHost.
    std::vector<DisplayMode> DisplayModes() const override { return modes_; }
    std::optional<DisplayMode> DesktopMode() const override { return desktop_; }
    int DeviceWidth() const override { return width_; }
    int DeviceHeight() const override { return height_; }
    void SetDeviceWindow(int width, int height, bool fullscreen) override
    {
        width_ = width;
        height_ = height;
        fullscreen_ = fullscreen;
        ++windowChanges_;
    }
    void SetSwapInterval(int interval) override { swapInterval_ = interval; }

    bool IsFullscreen() const { return fullscreen_; }
    int SwapInterval() const { return swapInterval_; }
    int WindowChanges() const { return windowChanges_; }

private:
    std::optional<DisplayMode> desktop_;
    std::vector<DisplayMode> modes_;
    int width_ = 0;
    int height_ = 0;
    bool fullscreen_ = false;
    int swapInterval_ = -1;
    int windowChanges_ = 0;
};

}  // namespace zelka
