#include "platform/window/HostWindow.h"

#include <gtest/gtest.h>

#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "platform/input/InputDevice.h"
#include "platform/window/glfw/GlfwWindow.h"

namespace zelka {
namespace {

TEST(CentredPosition, HalvesTheFreeSpace)
{
    const VideoMode desktop{1920, 1080, 8, 8, 8};
    EXPECT_EQ(CentredPosition(desktop, 1280, 720).x, 320);
    EXPECT_EQ(CentredPosition(desktop, 1280, 720).y, 180);
    EXPECT_EQ(CentredPosition(desktop, 641, 361).x, 639);  // integer halves
    EXPECT_EQ(CentredPosition(desktop, 641, 361).y, 359);
    EXPECT_EQ(CentredPosition(desktop, 1920, 1080).x, 0);
}

class RecordingEvents final : public WindowEvents {
public:
    void KeyEvent(int type, int code) override { keys.emplace_back(type, code); }
    void MouseEvent(int, int, float, float) override {}
    std::vector<std::pair<int, int>> keys;
};

// The real window on the test display (skipped without one).
class GlfwWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no display";
        if (!glfwInit()) GTEST_SKIP() << "window library cannot start";
        window_ = std::make_unique<GlfwWindow>();
        window_->SetEventSink(&events);
    }
    void TearDown() override
    {
        window_.reset();
        glfwTerminate();
    }

    // Polls events until `done` holds, for at most 5 s.
    bool PollUntil(const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            window_->PollEvents();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // True once the current window has received the focus since this was last asked.
    bool WasFocused()
    {
        GLFWwindow* current = glfwGetCurrentContext();
        if (current != watched_) {
            watched_ = current;
            focusSeen = glfwGetWindowAttrib(current, GLFW_FOCUSED) != 0;
            glfwSetWindowFocusCallback(current, [](GLFWwindow*, int focused) {
                if (focused) focusSeen = true;
            });
        }
        return focusSeen || window_->IsFocused();
    }

    static inline bool focusSeen = false;
    GLFWwindow* watched_ = nullptr;
    std::unique_ptr<GlfwWindow> window_;
    RecordingEvents events;
};

TEST_F(GlfwWindowTest, OpensCentredAndTakesTheFocus)
{
    ASSERT_TRUE(window_->DesktopMode().has_value());
    const VideoMode desktop = *window_->DesktopMode();
    ASSERT_TRUE(window_->Open(640, 360, false));
    EXPECT_TRUE(window_->IsOpen());
    EXPECT_EQ(window_->Width(), 640);
    EXPECT_EQ(window_->Height(), 360);
    // Without a window manager, only the explicit focus request gives it the focus; an
    // unfocused game would suspend for ever. Other tests' windows on the same display may
    // take the focus right after, so the test watches for the focus arriving at all.
    EXPECT_TRUE(PollUntil([&] { return WasFocused(); }));
    EXPECT_EQ(window_->Position().x, (desktop.width - 640) / 2);
    EXPECT_EQ(window_->Position().y, (desktop.height - 360) / 2);

    ASSERT_TRUE(window_->Open(1280, 720, false));
    EXPECT_TRUE(PollUntil([&] { return WasFocused(); }));
    EXPECT_EQ(window_->Position().x, (desktop.width - 1280) / 2);
    EXPECT_EQ(window_->Position().y, (desktop.height - 720) / 2);
    EXPECT_TRUE(window_->HeldKeyCodes().empty());
}

TEST_F(GlfwWindowTest, CloseRequestBecomesTheCloseKeyAndTheWindowStays)
{
    ASSERT_TRUE(window_->Open(640, 360, false));
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(xlib, nullptr);
    auto internAtom = reinterpret_cast<Atom (*)(Display*, const char*, Bool)>(dlsym(xlib, "XInternAtom"));
    auto sendEvent = reinterpret_cast<Status (*)(Display*, ::Window, Bool, long, XEvent*)>(
        dlsym(xlib, "XSendEvent"));
    auto flush = reinterpret_cast<int (*)(Display*)>(dlsym(xlib, "XFlush"));
    ASSERT_TRUE(internAtom && sendEvent && flush);

    Display* display = glfwGetX11Display();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = glfwGetX11Window(glfwGetCurrentContext());
    event.xclient.message_type = internAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(internAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    sendEvent(display, event.xclient.window, False, NoEventMask, &event);
    flush(display);

    ASSERT_TRUE(PollUntil([&] { return !events.keys.empty(); }));
    const std::vector<std::pair<int, int>> expected = {{kEventKeyDown, kKeyClose},
                                                       {kEventKeyUp, kKeyClose}};
    EXPECT_EQ(events.keys, expected);
    EXPECT_TRUE(window_->IsOpen());
    dlclose(xlib);
}

TEST_F(GlfwWindowTest, SizeIsKeptWithoutAskingTheServerEveryFrame)
{
    ASSERT_TRUE(window_->Open(640, 360, false));
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(xlib, nullptr);
    // The serial number of the next request: it grows with every request sent to the server.
    auto nextRequest = reinterpret_cast<unsigned long (*)(Display*)>(dlsym(xlib, "XNextRequest"));
    ASSERT_NE(nextRequest, nullptr);
    Display* display = glfwGetX11Display();

    // The host, the delegate and the renderer read the size several times per frame.
    const unsigned long before = nextRequest(display);
    int sum = 0;
    for (int frame = 0; frame < 100; ++frame) sum += window_->Width() + window_->Height();
    EXPECT_EQ(nextRequest(display), before);
    EXPECT_EQ(sum, 100 * (640 + 360));

    // A size change made by the system reaches the kept size with the next events.
    glfwSetWindowSize(glfwGetCurrentContext(), 800, 600);
    EXPECT_TRUE(PollUntil([&] { return window_->Width() == 800 && window_->Height() == 600; }));
    dlclose(xlib);
}

}  // namespace
}  // namespace zelka
