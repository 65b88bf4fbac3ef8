#include "services/data/AppVideoHost.h"

namespace zelka {

std::vector<DisplayMode> AppVideoHost::DisplayModes() const
{
    return app::DisplayModes();
}

std::optional<DisplayMode> AppVideoHost::DesktopMode() const
{
    DisplayMode desktop = app::DesktopMode();
    if (desktop.width <= 0 || desktop.height <= 0) return std::nullopt;
    return desktop;
}

int AppVideoHost::DeviceWidth() const
{
    return app::DeviceWidth();
}

int AppVideoHost::DeviceHeight() const
{
    return app::DeviceHeight();
}

void AppVideoHost::SetDeviceWindow(int width, int height, bool fullscreen)
{
    app::SetDeviceWindow(width, height, fullscreen ? kDeviceWindowFullscreen : 0);
}

void AppVideoHost::SetSwapInterval(int interval)
{
    if (setSwapInterval_) setSwapInterval_(interval);
}

}  // namespace zelka
