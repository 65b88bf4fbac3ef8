#include "platform/window/glfw/X11Errors.h"

#include "platform/core/Fatal.h"

#include <X11/Xlib.h>

#include <atomic>

namespace zelka::x11 {

namespace {

std::atomic<bool> windowError{false};
std::atomic<bool> displayLost{false};

// No X request may be made from here; the error is acted on at the next event step.
int OnProtocolError(Display*, XErrorEvent*)
{
    windowError = true;
    return 0;
}

// Must not return: Xlib ends the process with exit() if it does.
int OnConnectionLost(Display*)
{
    displayLost = true;
    RuntimeError("Lost the connection to the display");
}

}  // namespace

void InstallErrorHandlers()
{
    XSetErrorHandler(OnProtocolError);
    XSetIOErrorHandler(OnConnectionLost);
}

bool TakeWindowError()
{
    return windowError.exchange(false);
}

bool DisplayLost()
{
    return displayLost;
}

}  // namespace zelka::x11
