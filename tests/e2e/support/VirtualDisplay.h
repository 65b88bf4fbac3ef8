#pragma once

#include <string>

#include "tests/support/OwnDisplayServer.h"

typedef struct _XDisplay Display;

namespace zelka::e2e {

// A display server of our own (Xvfb on a free display number) and keys typed into it
// through the XTest extension, which the server delivers like a keyboard's: to the window
// that has the focus. Its own server keeps the game's focus and keys away from the other
// tests' windows on a shared display.
class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Starts the server (width x height, 24 bits) and connects to it; false with the
    // reason in Error() when either fails.
    bool Start(int width = 1280, int height = 720);
    // Connects to an existing display (null: $DISPLAY).
    bool Connect(const char* name);

    // ":<number>", for the DISPLAY of the processes started on it.
    [[nodiscard]] const std::string& Name() const { return name_; }
    [[nodiscard]] const std::string& Error() const { return error_; }

    // Presses and releases the key of an X keysym name ("space", "Return", "Down",
    // "Escape" ...), held for holdMs so that at least one game update sees it down.
    // False for a name the server's keymap lacks.
    bool Tap(const std::string& keysym, int holdMs = 50);

    // The viewable window (its X id) of process `pid` titled `title`, 0 if none (yet).
    [[nodiscard]] unsigned long FindWindow(const char* title, pid_t pid);
    // What a desktop does to a window: asks it to close (WM_DELETE_WINDOW), destroys it
    // (as a window manager may) or drops its owner's connection (as xkill does).
    void RequestClose(unsigned long window);
    void DestroyWindow(unsigned long window);
    void KillClient(unsigned long window);
    // Ends the server: its clients' connections break at once.
    void StopServer();

private:
    testing::OwnDisplayServer server_;
    Display* display_ = nullptr;
    std::string name_;
    std::string error_;
};

}  // namespace zelka::e2e
