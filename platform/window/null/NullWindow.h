#pragma once

#include "platform/window/HostWindow.h"

#include <functional>
#include <vector>

namespace zelka {

// Headless window: keeps the size, placement and flags it was given and delivers events
// that tests queue, at the next PollEvents or WaitEvents (as the real one does).
class NullWindow final : public HostWindow {
public:
    // desktop: the mode reported as DesktopMode and used for centring (none: windows go
    // to the origin).
    explicit NullWindow(std::optional<VideoMode> desktop = VideoMode{1920, 1080, 8, 8, 8},
                        std::vector<VideoMode> modes = {});

    // Implements Window.
    void SetEventSink(WindowEvents* sink) override { sink_ = sink; }
    bool Open(int width, int height, bool fullscreen) override;
    bool IsOpen() const override { return open_; }
    bool IsFocused() const override { return opens_ > 0 && focused_; }
    bool IsIconified() const override { return false; }
    int Width() const override { return open_ ? width_ : 0; }
    int Height() const override { return open_ ? height_ : 0; }
    WindowPosition Position() const override { return position_; }
    void SwapBuffers() override { ++swaps_; }
    void PollEvents() override;
    void WaitEvents() override;
    void SetMouseVisible(bool visible) override { mouseVisible_ = visible; }
    void SetSwapInterval(int interval) override
    {
        swapInterval_ = interval;
        ++swapIntervalCalls_;
    }
    std::vector<int> HeldKeyCodes() const override { return held_; }
    std::vector<VideoMode> VideoModes() const override { return modes_; }
    std::optional<VideoMode> DesktopMode() const override { return desktop_; }

    // For tests. Queued events run in order inside the next event step; an event may
    // queue further ones, which wait for the step after.
    void QueueEvent(std::function<void(WindowEvents&)> event);
    void QueueKey(int type, int code);
    // What the real window does when its close button is pressed: 432 down, then up.
    void QueueCloseRequest();
    void SetFocused(bool focused) { focused_ = focused; }
    void SetHeldKeys(std::vector<int> codes) { held_ = std::move(codes); }
    // The next `count` Open calls fail.
    void FailNextOpens(int count) { failOpens_ = count; }
    // Someone asked the window to close (it keeps its focus; the loop ends at its next
    // check).
    void Vanish() { open_ = false; }
    // Runs before every event step (e.g. to move a fake clock or change focus).
    void OnEventStep(std::function<void(bool wait)> hook) { stepHook_ = std::move(hook); }

    [[nodiscard]] bool IsFullscreen() const { return fullscreen_; }
    [[nodiscard]] int Opens() const { return opens_; }    // successful openings
    [[nodiscard]] int Swaps() const { return swaps_; }
    [[nodiscard]] int Polls() const { return polls_; }
    [[nodiscard]] int Waits() const { return waits_; }
    [[nodiscard]] bool MouseVisible() const { return mouseVisible_; }
    [[nodiscard]] int SwapInterval() const { return swapInterval_; }
    [[nodiscard]] int SwapIntervalCalls() const { return swapIntervalCalls_; }

private:
    void Deliver(bool wait);

    WindowEvents* sink_ = nullptr;
    std::optional<VideoMode> desktop_;
    std::vector<VideoMode> modes_;
    std::vector<std::function<void(WindowEvents&)>> queue_;
    std::function<void(bool)> stepHook_;
    std::vector<int> held_;
    WindowPosition position_;
    int width_ = 0;
    int height_ = 0;
    bool open_ = false;
    bool fullscreen_ = false;
    bool focused_ = true;
    bool mouseVisible_ = true;
    int swapInterval_ = -1;
    int swapIntervalCalls_ = 0;
    int failOpens_ = 0;
    int opens_ = 0;
    int swaps_ = 0;
    int polls_ = 0;
    int waits_ = 0;
};

}  // namespace zelka
