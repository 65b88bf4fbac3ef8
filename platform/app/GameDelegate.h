#pragma once

#include "platform/app/App.h"
#include "platform/core/Ref.h"
#include "platform/host/HostDelegate.h"
#include "platform/window/HostWindow.h"

#include <functional>
#include <vector>

namespace zelka {

class AudioDevice;
class GraphicsDevice;
class Host;
class InputDevice;

// How the game delegate makes its devices when the game starts. The start-up installs the
// real backends; without it (tests) the recording render device and the silent audio
// device are used.
struct DeviceFactory {
    // A render device for a window of width x height pixels (its context is current).
    std::function<Ref<GraphicsDevice>(int width, int height)> graphics;
    std::function<Ref<AudioDevice>()> audio;
};

// The headless devices.
[[nodiscard]] DeviceFactory NullDeviceFactory();

// Between the host and the App: creates the devices at start, keeps the device size
// current and turns host events into App hooks and input-device state.
class GameDelegate final : public HostDelegate {
public:
    // host may be null (no window: the device size stays 0 x 0).
    GameDelegate(App& app, Host* host, DeviceFactory factory);
    // Clears the module devices it installed.
    ~GameDelegate() override;
    GameDelegate(const GameDelegate&) = delete;
    GameDelegate& operator=(const GameDelegate&) = delete;

    // Implements HostDelegate.
    void StartGame() override;
    void SuspendGame() override;
    void ResumeGame() override;
    void UpdateGame() override;
    void RenderGame() override;
    // A key-down of the close request (432) or the back request (416) calls App::OnClose,
    // on every such key-down.
    void KeyEvent(int type, int code) override;
    void MouseEvent(int type, int button, float x, float y) override;
    void TouchEvent(int type, int finger, float x, float y) override;
    void MotionEvent(int type, int index, float x, float y, float z) override;
    void DiscardGraphics() override;

    // Null until StartGame.
    [[nodiscard]] const Ref<GraphicsDevice>& Graphics() const { return graphics_; }
    [[nodiscard]] const Ref<AudioDevice>& Audio() const { return audio_; }
    [[nodiscard]] const Ref<InputDevice>& Input() const { return input_; }

private:
    void ValidateDeviceWindow();

    App& app_;
    Host* host_;
    DeviceFactory factory_;
    Ref<GraphicsDevice> graphics_;
    Ref<AudioDevice> audio_;
    Ref<InputDevice> input_;
};

// One entry per distinct size, in first-seen order (the monitor lists a size once per
// refresh rate and colour depth).
[[nodiscard]] std::vector<DisplayMode> DistinctDisplayModes(const std::vector<VideoMode>& modes);

namespace app {

// The devices the next App's delegate will create (set by the start-up before the App
// exists). Defaults to NullDeviceFactory.
void SetDeviceFactory(DeviceFactory factory);
// The current App's delegate, or null.
[[nodiscard]] GameDelegate* Delegate();

}  // namespace app

}  // namespace zelka
