#include "tests/e2e/support/VirtualDisplay.h"

#include "tests/support/GameWindows.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace zelka::e2e {

namespace {

constexpr int kStartTimeoutMs = 10000;
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
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
    server_ = 0;
}

bool VirtualDisplay::Start(int width, int height)
{
    int fds[2];
    if (pipe(fds) != 0) {
        error_ = "pipe failed";
        return false;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_ = fork();
    if (server_ < 0) {
        error_ = "fork failed";
        return false;
    }
    if (server_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the test
        close(fds[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        // -displayfd: the server picks a free number and writes it to the pipe when ready.
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    while (poll(&wait, 1, kStartTimeoutMs) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        error_ = "Xvfb did not start (is it installed?)";
        return false;
    }
    return Connect((":" + number).c_str());
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
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XFlush(display_);
    std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
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
