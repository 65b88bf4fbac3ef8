#pragma once

#include "platform/window/HostWindow.h"

struct GLFWwindow;

namespace zelka {

// The window on the window library (initialised by the caller before construction and
// terminated after the last use). Caches the desktop mode at construction: the library
// reports the current mode, which a full-screen window changes.
class GlfwWindow final : public HostWindow {
public:
    GlfwWindow();
    ~GlfwWindow() override;
    GlfwWindow(const GlfwWindow&) = delete;
    GlfwWindow& operator=(const GlfwWindow&) = delete;

    // Implements Window.
    void SetEventSink(WindowEvents* sink) override { sink_ = sink; }
    bool Open(int width, int height, bool fullscreen) override;
    bool IsOpen() const override;
    bool IsFocused() const override;
    bool IsIconified() const override;
    int Width() const override;
    int Height() const override;
    WindowPosition Position() const override;
    void SwapBuffers() override;
    void PollEvents() override;
    void WaitEvents() override;
    void SetMouseVisible(bool visible) override;
    void SetSwapInterval(int interval) override;
    std::vector<int> HeldKeyCodes() const override;
    std::vector<VideoMode> VideoModes() const override;
    std::optional<VideoMode> DesktopMode() const override { return desktop_; }

private:
    static void OnKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void OnChar(GLFWwindow* window, unsigned int codepoint);
    static void OnMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void OnCursorPos(GLFWwindow* window, double x, double y);
    static void OnClose(GLFWwindow* window);
    static void OnSize(GLFWwindow* window, int width, int height);
    static WindowEvents* SinkOf(GLFWwindow* window);

    void Destroy();
    bool CloseOnWindowError();  // true when it sent the close request

    GLFWwindow* window_ = nullptr;
    // The window's size, read once at opening and then kept by the size callback: asking
    // the library costs a round trip to the X server, and the size is read several times
    // per frame.
    int width_ = 0;
    int height_ = 0;
    WindowEvents* sink_ = nullptr;
    std::optional<VideoMode> desktop_;
};

}  // namespace zelka
