#pragma once

#include "platform/clock/Clock.h"
#include "platform/host/HostDelegate.h"
#include "platform/host/LoopScheduler.h"
#include "platform/window/HostWindow.h"

#include <optional>
#include <span>
#include <vector>

namespace zelka {

// The host game object: owns the game's flags and the fixed-rate loop, opens the window
// and forwards every host event to the delegate. One per process (Current); the start-up
// builds it over the real window and clock, tests over the null window and a fake clock.
class Host final : public LoopTarget, public WindowEvents {
public:
    Host(HostWindow& window, Clock& clock);
    ~Host() override;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The live host, or null.
    [[nodiscard]] static Host* Current();

    // Not owned; must outlive the host's use of it.
    void SetDelegate(HostDelegate* delegate) { delegate_ = delegate; }
    [[nodiscard]] HostDelegate* Delegate() const { return delegate_; }
    void SetKeyboardEnabled(bool enabled) { keyboardEnabled_ = enabled; }
    [[nodiscard]] bool KeyboardEnabled() const { return keyboardEnabled_; }
    [[nodiscard]] bool Started() const { return started_; }
    [[nodiscard]] bool Suspended() const { return suspended_; }

    // Updates per second (0 = one per pass); always reschedules from the next pass.
    void SetUpdateRate(int rate) { scheduler_.SetUpdateRate(rate); }
    [[nodiscard]] int UpdateRate() const { return scheduler_.UpdateRate(); }
    [[nodiscard]] const LoopCounts& LoopStats() const { return scheduler_.Counts(); }
    // Clock milliseconds, truncated.
    [[nodiscard]] int Millisecs() const;
    // Local time into up to seven entries: year, month 1-12, day, hour, minute, second, 0.
    static void GetDate(std::span<int> date);

    void SetMouseVisible(bool visible) { window_.SetMouseVisible(visible); }
    [[nodiscard]] int GetDeviceWidth() const { return window_.Width(); }
    [[nodiscard]] int GetDeviceHeight() const { return window_.Height(); }
    // Reopens the window; bit 0 of flags = full screen. A failed reopening falls back to a
    // 640 x 360 window once; if that fails too the game ends with a runtime error.
    void SetDeviceWindow(int width, int height, int flags);
    [[nodiscard]] std::vector<VideoMode> GetDisplayModes() const { return window_.VideoModes(); }
    [[nodiscard]] std::optional<VideoMode> GetDesktopMode() const { return window_.DesktopMode(); }
    // Stored and re-applied at every opening when >= 0; a negative value leaves the driver's
    // default.
    void SetSwapInterval(int interval);
    // Vsync on the current window only (a reopening applies the stored swap interval).
    // The game sets it every update: only a change reaches the driver.
    void SetVSync(bool on) { ApplySwapInterval(on ? 1 : 0); }

    // Host events. Each checks the game's flags (start once; suspend, resume and update
    // only when started, update not while suspended; the rest when started), changes them
    // before calling the delegate, and turns an exception escaping the delegate into
    // Die. With no delegate they only change the flags.
    void StartGame();
    void SuspendGame();
    void ResumeGame();
    void UpdateGame();
    void RenderGame();
    void KeyEvent(int type, int code) override;
    void MouseEvent(int type, int button, float x, float y) override;
    void TouchEvent(int type, int finger, float x, float y);
    void MotionEvent(int type, int index, float x, float y, float z);
    void DiscardGraphics();

    // Opens the first window (640 x 360, windowed), starts the game and loops until the
    // window is no longer open. A first window that cannot open is a runtime error.
    void Run();
    // One pass of the loop (Run's body), for tests that step the loop themselves.
    void RunPass() { scheduler_.RunPass(*this); }

    // "Kestro Runtime Error : Uncaught Kestro Exception", status 255.
    [[noreturn]] static void Die();

    // Implements LoopTarget (the loop's view of the host).
    bool IsOpen() override { return window_.IsOpen(); }
    void RenderFrame() override;
    void EventStep(bool wait) override;
    bool IsFocused() override { return window_.IsFocused(); }
    bool IsSuspended() override { return suspended_; }
    void Suspend() override { SuspendGame(); }
    void Resume() override { ResumeGame(); }
    void Update() override { UpdateGame(); }

private:
    [[nodiscard]] bool OpenWindow(int width, int height, bool fullscreen);
    // Sets the current window's swap interval unless it already has that one.
    void ApplySwapInterval(int interval);

    HostWindow& window_;
    Clock& clock_;
    LoopScheduler scheduler_;
    HostDelegate* delegate_ = nullptr;
    bool keyboardEnabled_ = false;
    bool started_ = false;
    bool suspended_ = false;
    int swapInterval_ = -1;
    int appliedSwapInterval_ = -1;  // the current window's, -1 = not set by us
    bool framed_ = false;           // a frame has been shown
};

}  // namespace zelka
