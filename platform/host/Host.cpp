#include "platform/host/Host.h"

#include "platform/core/Fatal.h"
#include "platform/host/Trace.h"
#include "platform/input/InputDevice.h"
#include "platform/window/WindowConstants.h"

#include <ctime>

namespace zelka {

namespace {

Host* currentHost = nullptr;

constexpr int kDateFields = 7;  // year, month, day, hour, minute, second, 0

// Runs one delegate call; nothing may unwind out of it into the loop or a window-library
// callback.
template <class Call>
void Guarded(Call&& call)
{
    try {
        call();
    } catch (...) {
        Host::Die();
    }
}

}  // namespace

Host::Host(HostWindow& window, Clock& clock) : window_(window), clock_(clock), scheduler_(clock)
{
    currentHost = this;
    window_.SetEventSink(this);
}

Host::~Host()
{
    window_.SetEventSink(nullptr);
    if (currentHost == this) currentHost = nullptr;
}

Host* Host::Current()
{
    return currentHost;
}

int Host::Millisecs() const
{
    return static_cast<int>(clock_.Now() * 1000);
}

void Host::GetDate(std::span<int> date)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int fields[kDateFields] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                     local.tm_hour,        local.tm_min,     local.tm_sec, 0};
    for (size_t i = 0; i < date.size() && i < kDateFields; ++i) date[i] = fields[i];
}

void Host::SetSwapInterval(int interval)
{
    swapInterval_ = interval;
    if (interval >= 0) ApplySwapInterval(interval);
}

void Host::ApplySwapInterval(int interval)
{
    // The game asks for vsync at every update; only a change needs the driver.
    if (interval == appliedSwapInterval_) return;
    window_.SetSwapInterval(interval);
    appliedSwapInterval_ = interval;
}

bool Host::OpenWindow(int width, int height, bool fullscreen)
{
    // No key may stay down across the reopening: the new window never reports its release.
    for (int code : window_.HeldKeyCodes()) KeyEvent(kEventKeyUp, code);
    appliedSwapInterval_ = -1;  // a new window starts at the driver's default
    if (!window_.Open(width, height, fullscreen)) return false;
    if (swapInterval_ >= 0) ApplySwapInterval(swapInterval_);
    return true;
}

void Host::SetDeviceWindow(int width, int height, int flags)
{
    const bool fullscreen = (flags & kDeviceWindowFullscreen) != 0;
    if (OpenWindow(width, height, fullscreen)) return;
    // The old window is gone by now; a plain window is the best remaining chance.
    const bool alreadyFallback = !fullscreen && width == kStartWidth && height == kStartHeight;
    if (!alreadyFallback && OpenWindow(kStartWidth, kStartHeight, false)) return;
    RuntimeError("Unable to open the game window");
}

void Host::Run()
{
    if (!OpenWindow(kStartWidth, kStartHeight, false)) RuntimeError("Unable to open the game window");
    StartGame();
    scheduler_.Run(*this);
}

void Host::RenderFrame()
{
    RenderGame();
    window_.SwapBuffers();
    if (!framed_) {
        framed_ = true;
        trace::Line("first frame");
    }
}

void Host::EventStep(bool wait)
{
    if (wait) {
        window_.WaitEvents();
    } else {
        window_.PollEvents();
    }
    // Lets a test driving the game tell when a key it sent has been taken, and how much of
    // the game's time has passed since.
    trace::Line("events taken");
}

void Host::Die()
{
    RuntimeError("Uncaught Kestro Exception");
}

void Host::StartGame()
{
    if (started_) return;
    started_ = true;
    if (delegate_) Guarded([this] { delegate_->StartGame(); });
}

void Host::SuspendGame()
{
    if (!started_ || suspended_) return;
    suspended_ = true;
    if (delegate_) Guarded([this] { delegate_->SuspendGame(); });
}

void Host::ResumeGame()
{
    if (!started_ || !suspended_) return;
    suspended_ = false;
    if (delegate_) Guarded([this] { delegate_->ResumeGame(); });
}

void Host::UpdateGame()
{
    if (!started_ || suspended_) return;
    if (delegate_) Guarded([this] { delegate_->UpdateGame(); });
}

void Host::RenderGame()
{
    if (!started_) return;
    if (delegate_) Guarded([this] { delegate_->RenderGame(); });
}

void Host::KeyEvent(int type, int code)
{
    if (!started_) return;
    if (delegate_) Guarded([&] { delegate_->KeyEvent(type, code); });
}

void Host::MouseEvent(int type, int button, float x, float y)
{
    if (!started_) return;
    if (delegate_) Guarded([&] { delegate_->MouseEvent(type, button, x, y); });
}

void Host::TouchEvent(int type, int finger, float x, float y)
{
    if (!started_) return;
    if (delegate_) Guarded([&] { delegate_->TouchEvent(type, finger, x, y); });
}

void Host::MotionEvent(int type, int index, float x, float y, float z)
{
    if (!started_) return;
    if (delegate_) Guarded([&] { delegate_->MotionEvent(type, index, x, y, z); });
}

void Host::DiscardGraphics()
{
    if (!started_) return;
    if (delegate_) Guarded([this] { delegate_->DiscardGraphics(); });
}

}  // namespace zelka
