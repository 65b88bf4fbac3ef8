// The real game executable under the test display: it opens its window and ends with
// status 0 when the window manager's close request arrives. Xlib is loaded at run time so
// the test binary needs no extra link library.

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace zelka {
namespace {

constexpr char kTitle[] = "ZELKA: Tumbling Vaults";
constexpr auto kPollLimit = std::chrono::seconds(5);
constexpr auto kPollStep = std::chrono::milliseconds(20);

// The few Xlib entry points the test needs.
struct Xlib {
    void* library = nullptr;
    Display* (*OpenDisplay)(const char*) = nullptr;
    int (*CloseDisplay)(Display*) = nullptr;
    Window (*RootOf)(Display*) = nullptr;
    Status (*QueryTree)(Display*, Window, Window*, Window*, Window**, unsigned int*) = nullptr;
    Status (*FetchName)(Display*, Window, char**) = nullptr;
    int (*Free)(void*) = nullptr;
    Status (*GetWindowAttributes)(Display*, Window, XWindowAttributes*) = nullptr;
    Bool (*TranslateCoordinates)(Display*, Window, Window, int, int, int*, int*, Window*) = nullptr;
    Atom (*InternAtom)(Display*, const char*, Bool) = nullptr;
    Status (*SendEvent)(Display*, Window, Bool, long, XEvent*) = nullptr;
    int (*Flush)(Display*) = nullptr;
    XErrorHandler (*SetErrorHandler)(XErrorHandler) = nullptr;
    int (*GetWindowProperty)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*,
                             unsigned long*, unsigned long*, unsigned char**) = nullptr;

    bool Load()
    {
        library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library) return false;
        return Get(OpenDisplay, "XOpenDisplay") && Get(CloseDisplay, "XCloseDisplay") &&
               Get(RootOf, "XDefaultRootWindow") && Get(QueryTree, "XQueryTree") &&
               Get(FetchName, "XFetchName") && Get(Free, "XFree") &&
               Get(GetWindowAttributes, "XGetWindowAttributes") &&
               Get(TranslateCoordinates, "XTranslateCoordinates") &&
               Get(InternAtom, "XInternAtom") && Get(SendEvent, "XSendEvent") &&
               Get(Flush, "XFlush") && Get(GetWindowProperty, "XGetWindowProperty") &&
               Get(SetErrorHandler, "XSetErrorHandler");
    }

    template <class F>
    bool Get(F& function, const char* name)
    {
        function = reinterpret_cast<F>(dlsym(library, name));
        return function != nullptr;
    }
};

// Windows of other tests on the display may vanish while the tree is searched; Xlib's
// default handler would end the test process on the resulting BadWindow.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Kills and reaps the game if the test leaves before it ended.
struct ChildGuard {
    pid_t pid;
    bool reaped = false;
    ~ChildGuard()
    {
        if (reaped) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
};

// The process that owns `window` (its _NET_WM_PID), or 0 if it does not say.
pid_t OwnerOf(Xlib& x, Display* display, Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom property = x.InternAtom(display, "_NET_WM_PID", False);
    if (x.GetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                            &count, &after, &data) != Success || !data) {
        return 0;
    }
    const pid_t owner = count == 1 && format == 32 ? static_cast<pid_t>(*reinterpret_cast<long*>(data)) : 0;
    x.Free(data);
    return owner;
}

// Depth-first search for a viewable window of process `pid` titled `title`; 0 if none.
// Other tests may show windows with the same title on the same display at the same time.
Window FindWindow(Xlib& x, Display* display, Window window, const char* title, pid_t pid)
{
    char* name = nullptr;
    if (x.FetchName(display, window, &name) && name) {
        const bool match = std::strcmp(name, title) == 0;
        x.Free(name);
        XWindowAttributes attributes{};
        if (match && OwnerOf(x, display, window) == pid &&
            x.GetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable) {
            return window;
        }
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!x.QueryTree(display, window, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) found = FindWindow(x, display, children[i], title, pid);
    if (children) x.Free(children);
    return found;
}

std::string GameExecutable()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    path[n] = '\0';
    std::string dir(path);
    dir.resize(dir.rfind('/'));
    return dir + "/../zelka";  // tests live in build/tests, the game in build/
}

// Polls the child without blocking for at most the poll limit; true if it ended.
bool WaitForExit(pid_t pid, int& status)
{
    const auto deadline = std::chrono::steady_clock::now() + kPollLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(kPollStep);
    }
    return false;
}

TEST(HostIntegration, GameWindowOpensAndClosesOnTheWindowManagersRequest)
{
    const char* displayName = std::getenv("DISPLAY");
    if (!displayName || !*displayName) GTEST_SKIP() << "no display";
    Xlib x;
    ASSERT_TRUE(x.Load()) << "libX11.so.6 not loadable";
    Display* display = x.OpenDisplay(nullptr);
    if (!display) GTEST_SKIP() << "display " << displayName << " cannot be opened";

    const std::string game = GameExecutable();
    ASSERT_EQ(access(game.c_str(), X_OK), 0) << game << " is missing: build the zelka target";

    x.SetErrorHandler(IgnoreXError);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the test
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        setenv("ALSOFT_DRIVERS", "null", 1);
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ChildGuard guard{pid};

    const Window root = x.RootOf(display);
    Window window = 0;
    int status = 0;
    bool ended = false;
    const auto deadline = std::chrono::steady_clock::now() + kPollLimit;
    while (!window && std::chrono::steady_clock::now() < deadline) {
        window = FindWindow(x, display, root, kTitle, pid);
        if (window) break;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            ended = guard.reaped = true;
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    if (!window) {
        x.CloseDisplay(display);
        FAIL() << "no window titled \"" << kTitle << "\" within 5 s (game "
               << (ended ? "ended, status " + std::to_string(WEXITSTATUS(status)) : "still running")
               << ")";
    }

    XWindowAttributes attributes{};
    ASSERT_TRUE(x.GetWindowAttributes(display, window, &attributes));
    EXPECT_EQ(attributes.width, 640);
    EXPECT_EQ(attributes.height, 360);
    XWindowAttributes rootAttributes{};
    ASSERT_TRUE(x.GetWindowAttributes(display, root, &rootAttributes));
    int left = 0;
    int top = 0;
    Window child = 0;
    x.TranslateCoordinates(display, window, root, 0, 0, &left, &top, &child);
    EXPECT_EQ(left, (rootAttributes.width - 640) / 2);  // centred on the desktop
    EXPECT_EQ(top, (rootAttributes.height - 360) / 2);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x.InternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(x.InternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    x.SendEvent(display, window, False, NoEventMask, &event);
    x.Flush(display);

    const bool exited = WaitForExit(pid, status);
    guard.reaped = exited;
    x.CloseDisplay(display);
    ASSERT_TRUE(exited) << "the game did not end within 5 s of the close request";
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zelka
