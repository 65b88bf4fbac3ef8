#pragma once

#include "platform/window/WindowConstants.h"

#include <array>
#include <span>
#include <vector>

namespace zelka {

// The application: the one object whose hooks the framework calls. Creating it registers
// the game delegate with the host, which then opens the window and runs the loop.
// A second live App is fatal ("App has already been created").
class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Called once, after the devices exist and before the first update or frame.
    virtual int OnCreate();
    // The window lost / regained the input focus.
    virtual int OnSuspend();
    virtual int OnResume();
    // One fixed-rate update (see app::SetUpdateRate).
    virtual int OnUpdate();
    // Never called by this platform's render device (it is always ready).
    virtual int OnLoading();
    // One frame, inside the graphics module's BeginRender/EndRender.
    virtual int OnRender();
    // The window's close button or a back request. The base ends the process (status 0).
    virtual int OnClose();

    int OnResize();  // never called
    int OnBack();    // calls OnClose
};

// A display mode in pixels.
struct DisplayMode {
    int width = 0;
    int height = 0;

    [[nodiscard]] int Width() const { return width; }
    [[nodiscard]] int Height() const { return height; }
};

namespace app {

// The current App, or null before one is created.
[[nodiscard]] App* CurrentApp();

// Ends the process with status 0 (standard output flushed, window library shut down so
// the desktop's video mode is restored). Never returns; safe inside input callbacks.
[[noreturn]] void EndApp();

// The window's size in pixels as of the last update or frame.
[[nodiscard]] int DeviceWidth();
[[nodiscard]] int DeviceHeight();
// Reopens the window at width x height, full screen when flags has kDeviceWindowFullscreen.
void SetDeviceWindow(int width, int height, int flags);

// The monitor's modes in the system's order, one per distinct size (built at start).
[[nodiscard]] const std::vector<DisplayMode>& DisplayModes();
// The desktop mode as it was at start (0 x 0 before the game starts).
[[nodiscard]] DisplayMode DesktopMode();

// Updates per second; 0 runs one update per frame. Call it from OnCreate: inside an
// update it cuts that pass's catch-up short.
void SetUpdateRate(int rate);
[[nodiscard]] int UpdateRate();
// Milliseconds since the host started (truncated).
[[nodiscard]] int Millisecs();

void ShowMouse();
void HideMouse();

// Vsync of the current window: swap interval 1 when on, else 0. Not kept across a
// reopening of the window, which restores the host's stored swap interval.
void SetVSync(bool on);

// Local time: year, month (1-12), day, hour, minute, second, 0.
[[nodiscard]] std::array<int, 7> GetDate2();
// Fills as many of those seven entries as `date` has room for.
void GetDate(std::span<int> date);

}  // namespace app

}  // namespace zelka
