#pragma once

// A hidden window of the given size with its context current, swap interval 0, and the real
// GL device on it, for the benchmarks that draw. Ok() is false without a display.

#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLCounters.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"

#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace zelka {

class BenchGLWindow {
public:
    BenchGLWindow(int width, int height)
    {
        static const bool initialised = glfwInit() == GLFW_TRUE;
        if (!initialised) return;
        glfwDefaultWindowHints();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        window_ = glfwCreateWindow(width, height, "zelka bench", nullptr, nullptr);
        if (window_ == nullptr) return;
        glfwMakeContextCurrent(window_);
        glfwSwapInterval(0);
        graphics::NotifyWindowOpened();
        device_ = std::make_unique<GLGraphicsDevice>(
            [this](int& w, int& h) { glfwGetFramebufferSize(window_, &w, &h); });
    }
    ~BenchGLWindow()
    {
        device_.reset();
        if (window_ != nullptr) {
            graphics::NotifyWindowClosed();
            glfwDestroyWindow(window_);
        }
    }
    BenchGLWindow(const BenchGLWindow&) = delete;
    BenchGLWindow& operator=(const BenchGLWindow&) = delete;

    bool Ok() const { return device_ != nullptr; }
    GLGraphicsDevice& Device() { return *device_; }

private:
    GLFWwindow* window_ = nullptr;
    std::unique_ptr<GLGraphicsDevice> device_;
};

// Times `frame` once per iteration after 30 untimed frames (llvmpipe compiles its pipeline
// on the first draws) and reports the GL draw calls per frame.
template <typename Frame>
void TimeFrames(benchmark::State& state, Frame frame)
{
    constexpr int kWarmUpFrames = 30;
    for (int i = 0; i < kWarmUpFrames; ++i) frame();
    const long before = GLStats().drawCalls;
    for (auto _ : state) frame();
    state.counters["draw_calls/frame"] =
        static_cast<double>(GLStats().drawCalls - before) / static_cast<double>(state.iterations());
}

}  // namespace zelka
