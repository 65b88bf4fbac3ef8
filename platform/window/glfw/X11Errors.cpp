#include "platform/window/glfw/X11Errors.h"

#include "platform/core/Fatal.h"

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>

#include <atomic>

namespace zelka::x11 {

namespace {

std::atomic<bool> windowError{false};
std::atomic<bool> displayLost{false};

// The error is acted on at the next event step. The empty event wakes that step if it is
// already waiting (a suspended game waits for events, and an error alone is none);
// Xlib lets a handler make requests.
int OnProtocolError(Display*, XErrorEvent*)
{
    if (!windowError.exchange(true)) glfwPostEmptyEvent();
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
