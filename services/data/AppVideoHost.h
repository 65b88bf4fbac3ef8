#pragma once

#include "services/data/VideoHost.h"

#include <functional>
#include <utility>

namespace zelka {

// The framework's display (app::DisplayModes, app::DesktopMode, app::SetDeviceWindow).
// The framework has no swap-interval call of its own: the application passes the
// window's, or the interval is left to the window.
class AppVideoHost final : public VideoHost {
public:
    explicit AppVideoHost(std::function<void(int)> setSwapInterval = {})
        : setSwapInterval_(std::move(setSwapInterval))
    {
    }

    // Implements VideoHost.
    std::vector<DisplayMode> DisplayModes() const override;
    std::optional<DisplayMode> DesktopMode() const override;  // none when 0 x 0
    int DeviceWidth() const override;
    int DeviceHeight() const override;
    void SetDeviceWindow(int width, int height, bool fullscreen) override;
    void SetSwapInterval(int interval) override;

private:
    std::function<void(int)> setSwapInterval_;
};

}  // namespace zelka
