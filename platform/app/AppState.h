#pragma once

#include "platform/app/App.h"
#include "platform/app/GameDelegate.h"

#include <memory>
#include <vector>

namespace zelka {

// The app module's process-wide state, in one place so tests reset it by ending the App.
// Internal to platform/app.
struct AppState {
    App* app = nullptr;
    std::unique_ptr<GameDelegate> delegate;
    int deviceWidth = 0;
    int deviceHeight = 0;
    int updateRate = 0;
    std::vector<DisplayMode> displayModes;
    DisplayMode desktopMode;
    DeviceFactory factory = NullDeviceFactory();
};

AppState& State();

}  // namespace zelka
