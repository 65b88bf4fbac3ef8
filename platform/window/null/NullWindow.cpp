#include "platform/window/null/NullWindow.h"

#include "platform/input/InputDevice.h"

namespace zelka {

NullWindow::NullWindow(std::optional<VideoMode> desktop, std::vector<VideoMode> modes)
    : desktop_(desktop), modes_(std::move(modes))
{
}

bool NullWindow::Open(int width, int height, bool fullscreen)
{
    open_ = false;
    if (failOpens_ > 0) {
        --failOpens_;
        return false;
    }
    width_ = width;
    height_ = height;
    fullscreen_ = fullscreen;
    position_ = fullscreen || !desktop_ ? WindowPosition{} : CentredPosition(*desktop_, width, height);
    open_ = true;
    ++opens_;
    return true;
}

void NullWindow::QueueEvent(std::function<void(WindowEvents&)> event)
{
    queue_.push_back(std::move(event));
}

void NullWindow::QueueKey(int type, int code)
{
    QueueEvent([type, code](WindowEvents& sink) { sink.KeyEvent(type, code); });
}

void NullWindow::QueueCloseRequest()
{
    QueueKey(kEventKeyDown, kKeyClose);
    QueueKey(kEventKeyUp, kKeyClose);
}

void NullWindow::PollEvents()
{
    ++polls_;
    Deliver(false);
}

void NullWindow::WaitEvents()
{
    ++waits_;
    Deliver(true);
}

void NullWindow::Deliver(bool wait)
{
    if (stepHook_) stepHook_(wait);
    auto events = std::move(queue_);
    queue_.clear();
    for (auto& event : events) {
        if (sink_) event(*sink_);
    }
}

}  // namespace zelka
