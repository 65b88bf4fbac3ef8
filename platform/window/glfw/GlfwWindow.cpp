#include "platform/window/glfw/GlfwWindow.h"

#include "platform/graphics/WindowGeneration.h"
#include "platform/input/InputDevice.h"
#include "platform/input/glfw/GlfwKeyTable.h"
#include "platform/window/WindowConstants.h"
#include "platform/window/glfw/X11Errors.h"

#include <GLFW/glfw3.h>

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>

namespace zelka {

namespace {

constexpr int kRefreshRate = 60;  // Hz, requested for full-screen modes
constexpr int kColorBits = 8;
constexpr int kDepthBits = 32;    // soft: drivers give what they have (Mesa: 24)
constexpr int kMouseButtonCount = 3;

VideoMode FromGlfw(const GLFWvidmode& mode)
{
    return {mode.width, mode.height, mode.redBits, mode.greenBits, mode.blueBits};
}

// Keeps the loaded graphics drivers ("*_dri.so") loaded until the process ends. The GL
// library unloads its driver with the last display, and reloads it at the next window
// opening; unloaded, the driver's own allocations also lose the names LeakSanitizer
// matches them by.
void KeepGraphicsDriversLoaded()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "_dri.so") != nullptr) {
                dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

}  // namespace

GlfwWindow::GlfwWindow()
{
    if (GLFWmonitor* monitor = glfwGetPrimaryMonitor()) {
        if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) desktop_ = FromGlfw(*mode);
    }
}

GlfwWindow::~GlfwWindow()
{
    Destroy();
}

void GlfwWindow::Destroy()
{
    if (!window_) return;
    graphics::NotifyWindowClosed();
    glfwDestroyWindow(window_);
    window_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool GlfwWindow::Open(int width, int height, bool fullscreen)
{
    Destroy();
    glfwDefaultWindowHints();
    // No context version or profile hints: the renderer needs the fixed-function pipeline
    // of a compatibility context.
    glfwWindowHint(GLFW_REFRESH_RATE, kRefreshRate);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);  // shown once placed
    glfwWindowHint(GLFW_RED_BITS, kColorBits);
    glfwWindowHint(GLFW_GREEN_BITS, kColorBits);
    glfwWindowHint(GLFW_BLUE_BITS, kColorBits);
    glfwWindowHint(GLFW_ALPHA_BITS, 0);
    glfwWindowHint(GLFW_DEPTH_BITS, kDepthBits);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);

    GLFWmonitor* monitor = fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    if (fullscreen && !monitor) return false;
    window_ = glfwCreateWindow(width, height, kWindowTitle, monitor, nullptr);
    if (!window_) return false;
    glfwMakeContextCurrent(window_);
    KeepGraphicsDriversLoaded();
    graphics::NotifyWindowOpened();

    if (!fullscreen) {
        if (desktop_) {
            const WindowPosition pos = CentredPosition(*desktop_, width, height);
            glfwSetWindowPos(window_, pos.x, pos.y);
        }
        glfwSetWindowTitle(window_, kWindowTitle);
    }
    glfwShowWindow(window_);
    // Without a window manager (a virtual display) nothing else gives the window the input
    // focus, and an unfocused game suspends and waits for events for ever.
    glfwFocusWindow(window_);

    glfwSetWindowUserPointer(window_, this);
    // A full-screen window gets the nearest mode, which need not be the size asked for.
    glfwGetWindowSize(window_, &width_, &height_);
    glfwSetWindowSizeCallback(window_, OnSize);
    glfwSetKeyCallback(window_, OnKey);
    glfwSetCharCallback(window_, OnChar);
    glfwSetMouseButtonCallback(window_, OnMouseButton);
    glfwSetCursorPosCallback(window_, OnCursorPos);
    glfwSetWindowCloseCallback(window_, OnClose);
    return true;
}

bool GlfwWindow::IsOpen() const
{
    return window_ && !glfwWindowShouldClose(window_);
}

bool GlfwWindow::IsFocused() const
{
    return window_ && glfwGetWindowAttrib(window_, GLFW_FOCUSED);
}

bool GlfwWindow::IsIconified() const
{
    return window_ && glfwGetWindowAttrib(window_, GLFW_ICONIFIED);
}

int GlfwWindow::Width() const
{
    return window_ ? width_ : 0;
}

int GlfwWindow::Height() const
{
    return window_ ? height_ : 0;
}

WindowPosition GlfwWindow::Position() const
{
    WindowPosition pos;
    if (window_) glfwGetWindowPos(window_, &pos.x, &pos.y);
    return pos;
}

void GlfwWindow::SwapBuffers()
{
    if (window_) glfwSwapBuffers(window_);
}

void GlfwWindow::PollEvents()
{
    glfwPollEvents();
    CloseOnWindowError();
}

void GlfwWindow::WaitEvents()
{
    // An error that arrived while drawing would otherwise wait for an event that never comes.
    if (CloseOnWindowError()) return;
    glfwWaitEvents();
    CloseOnWindowError();
}

bool GlfwWindow::CloseOnWindowError()
{
    // The window was destroyed from outside (or the server refused a request on it): the
    // game ends as on a close request, saving what it saves then.
    if (!x11::TakeWindowError() || !window_) return false;
    OnClose(window_);
    return true;
}

void GlfwWindow::SetMouseVisible(bool visible)
{
    if (window_) glfwSetInputMode(window_, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

void GlfwWindow::SetSwapInterval(int interval)
{
    if (window_) glfwSwapInterval(interval);  // needs the current context
}

std::vector<int> GlfwWindow::HeldKeyCodes() const
{
    std::vector<int> codes;
    if (!window_) return codes;
    for (int key = kGlfwFirstKey; key <= kGlfwLastKey; ++key) {
        const int code = GlfwKeyToCode(key);
        if (code == 0 || glfwGetKey(window_, key) != GLFW_PRESS) continue;
        // Both Shift keys (and both Control keys) share one code.
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    return codes;
}

std::vector<VideoMode> GlfwWindow::VideoModes() const
{
    std::vector<VideoMode> modes;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (!monitor) return modes;
    int count = 0;
    const GLFWvidmode* list = glfwGetVideoModes(monitor, &count);
    count = std::min(count, kMaxVideoModes);
    for (int i = 0; list && i < count; ++i) modes.push_back(FromGlfw(list[i]));
    return modes;
}

WindowEvents* GlfwWindow::SinkOf(GLFWwindow* window)
{
    auto* self = static_cast<GlfwWindow*>(glfwGetWindowUserPointer(window));
    return self ? self->sink_ : nullptr;
}

void GlfwWindow::OnKey(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/)
{
    WindowEvents* sink = SinkOf(window);
    const int code = GlfwKeyToCode(key);
    if (!sink || code == 0) return;
    if (action == GLFW_RELEASE) {
        sink->KeyEvent(kEventKeyUp, code);
        return;
    }
    // A press or an auto-repeat: a repeat finds the key already down, so it adds a
    // character but no hit.
    sink->KeyEvent(kEventKeyDown, code);
    if (const int chr = KeyToChar(code)) sink->KeyEvent(kEventKeyChar, chr);
}

void GlfwWindow::OnChar(GLFWwindow* window, unsigned int codepoint)
{
    if (WindowEvents* sink = SinkOf(window)) sink->KeyEvent(kEventKeyChar, static_cast<int>(codepoint));
}

void GlfwWindow::OnMouseButton(GLFWwindow* window, int button, int action, int /*mods*/)
{
    WindowEvents* sink = SinkOf(window);
    if (!sink || button < 0 || button >= kMouseButtonCount) return;
    double x = 0;
    double y = 0;
    glfwGetCursorPos(window, &x, &y);
    const int type = action == GLFW_PRESS ? kEventMouseDown : kEventMouseUp;
    sink->MouseEvent(type, button, static_cast<float>(x), static_cast<float>(y));
}

void GlfwWindow::OnCursorPos(GLFWwindow* window, double x, double y)
{
    if (WindowEvents* sink = SinkOf(window)) {
        sink->MouseEvent(kEventMouseMove, -1, static_cast<float>(x), static_cast<float>(y));
    }
}

void GlfwWindow::OnSize(GLFWwindow* window, int width, int height)
{
    if (auto* self = static_cast<GlfwWindow*>(glfwGetWindowUserPointer(window))) {
        self->width_ = width;
        self->height_ = height;
    }
}

void GlfwWindow::OnClose(GLFWwindow* window)
{
    // The window stays open: the application's close hook decides.
    glfwSetWindowShouldClose(window, GLFW_FALSE);
    if (WindowEvents* sink = SinkOf(window)) {
        sink->KeyEvent(kEventKeyDown, kKeyClose);
        sink->KeyEvent(kEventKeyUp, kKeyClose);
    }
}

}  // namespace zelka
