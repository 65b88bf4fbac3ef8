#include "tests/e2e/support/VirtualDisplay.h"

#include "tests/support/GameWindows.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace zelka::e2e {

namespace {

constexpr int kStartTimeoutMs = testing::OwnDisplayServer::kStartTimeoutMs;
constexpr auto kConnectStep = std::chrono::milliseconds(20);

}  // namespace

VirtualDisplay::~VirtualDisplay()
{
    StopServer();
}

void VirtualDisplay::StopServer()
{
    if (display_) XCloseDisplay(display_);
    display_ = nullptr;
    server_.Stop();
}

bool VirtualDisplay::Start(int width, int height)
{
    if (!server_.Start(width, height)) {
        error_ = server_.Error();
        return false;
    }
    return Connect(server_.Name().c_str());
}

bool VirtualDisplay::Connect(const char* name)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (!(display_ = XOpenDisplay(name)) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kConnectStep);
    }
    if (!display_) {
        error_ = std::string("cannot open display ") + (name ? name : "$DISPLAY");
        return false;
    }
    name_ = DisplayString(display_);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        error_ = "the display has no XTest extension";
        return false;
    }
    return true;
}

bool VirtualDisplay::Tap(const std::string& keysym, int holdMs)
{
    const KeySym symbol = XStringToKeysym(keysym.c_str());
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
    if (code == 0) return false;
    // Synced, not just sent: on return the server has queued the key for the game.
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
    return true;
}

unsigned long VirtualDisplay::FindWindow(const char* title, pid_t pid)
{
    // The search shared with the tests that load Xlib at run time takes its entry points
    // as a table; loading the library again gives the one this program links.
    static testing_x::Xlib x;
    static const bool loaded = x.Load();
    if (!loaded) return 0;
    // The windows searched may vanish meanwhile; the default handler would end the process.
    XSetErrorHandler(testing_x::IgnoreXError);
    return testing_x::FindWindow(x, display_, DefaultRootWindow(display_), title, pid);
}

void VirtualDisplay::RequestClose(unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

void VirtualDisplay::DestroyWindow(unsigned long window)
{
    XDestroyWindow(display_, window);
    XSync(display_, False);
}

void VirtualDisplay::KillClient(unsigned long window)
{
    XKillClient(display_, window);
    XSync(display_, False);
}

}  // namespace zelka::e2e
