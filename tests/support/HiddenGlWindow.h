#pragma once

#include "platform/graphics/WindowGeneration.h"

#include <GLFW/glfw3.h>

#include <cstdlib>

namespace zelka::testing {

// A hidden window with a current compatibility context and the game window's hints, for
// tests that draw through the real GL device under Xvfb. Available() tells whether there
// is a display at all: a test fails without one, a benchmark may fall back.
class HiddenGlWindow {
public:
    static bool Available() { return std::getenv("DISPLAY") != nullptr; }

    HiddenGlWindow(int width, int height)
    {
        // Terminated at the process's exit, before the leak check (that handler was
        // registered first, so it runs last). Terminating ends the GL driver's threads
        // (llvmpipe starts one per core); LeakSanitizer's tracer stops every thread of the
        // process and must not find them alive. The driver stays mapped all the same
        // (dlclose, tests/support/LeakSuppressions.cpp), so its own leaks are still matched
        // to its library.
        static const bool exitHandler = std::atexit(glfwTerminate) == 0;
        (void)exitHandler;
        // Initialised again if an earlier test of the process terminated the library: the
        // call does nothing while it is initialised.
        if (glfwInit() != GLFW_TRUE) return;
        glfwDefaultWindowHints();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        glfwWindowHint(GLFW_ALPHA_BITS, 0);  // as the game's window
        window_ = glfwCreateWindow(width, height, "zelka test", nullptr, nullptr);
        if (window_ == nullptr) return;
        glfwMakeContextCurrent(window_);
        graphics::NotifyWindowOpened();
    }

    ~HiddenGlWindow() { Close(); }
    HiddenGlWindow(const HiddenGlWindow&) = delete;
    HiddenGlWindow& operator=(const HiddenGlWindow&) = delete;

    bool IsOpen() const { return window_ != nullptr; }
    GLFWwindow* Get() const { return window_; }

    // The framebuffer size, as the GL device asks for it.
    void Size(int& width, int& height) const { glfwGetFramebufferSize(window_, &width, &height); }

    void Close()
    {
        if (window_ == nullptr) return;
        graphics::NotifyWindowClosed();
        glfwDestroyWindow(window_);
        window_ = nullptr;
    }

private:
    GLFWwindow* window_ = nullptr;
};

}  // namespace zelka::testing
