#pragma once

// Finding the real game's window on a test display, for the tests that run the executable.
// Xlib is loaded at run time so those tests need no extra link library.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace zelka::testing_x {

inline constexpr char kGameTitle[] = "ZELKA: Tumbling Vaults";

// The few Xlib entry points the tests need.
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
    int (*Sync)(Display*, Bool) = nullptr;
    int (*DestroyWindow)(Display*, Window) = nullptr;
    int (*KillClient)(Display*, XID) = nullptr;
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
               Get(Flush, "XFlush") && Get(Sync, "XSync") && Get(DestroyWindow, "XDestroyWindow") &&
               Get(KillClient, "XKillClient") && Get(GetWindowProperty, "XGetWindowProperty") &&
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
inline int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// The process that owns `window` (its _NET_WM_PID), or 0 if it does not say.
inline pid_t OwnerOf(Xlib& x, Display* display, Window window)
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
inline Window FindWindow(Xlib& x, Display* display, Window window, const char* title, pid_t pid)
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

// The game beside the test programs: tests live in build/tests, the game in build/.
inline std::string GameExecutable()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    path[n] = '\0';
    std::string dir(path);
    dir.resize(dir.rfind('/'));
    return dir + "/../zelka";
}

}  // namespace zelka::testing_x
