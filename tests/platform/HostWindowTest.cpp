#include "platform/window/HostWindow.h"

#include <gtest/gtest.h>

#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include <chrono>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "platform/input/InputDevice.h"
#include "platform/window/glfw/GlfwWindow.h"
#include "tests/support/GameWindows.h"
#include "tests/support/OwnDisplayServer.h"

namespace zelka {
namespace {

TEST(CentredPosition, HalvesTheFreeSpace)
{
    const VideoMode desktop{1920, 1080, 8, 8, 8};
    const auto at = [&](int width, int height) {
        const WindowPosition position = CentredPosition(desktop, width, height);
        return std::pair(position.x, position.y);
    };
    EXPECT_EQ(at(1280, 720), std::pair(320, 180));
    EXPECT_EQ(at(641, 361), std::pair(639, 359));  // integer halves
}

class RecordingEvents final : public WindowEvents {
public:
    void KeyEvent(int type, int code) override { keys.emplace_back(type, code); }
    void MouseEvent(int, int, float, float) override {}
    std::vector<std::pair<int, int>> keys;
};

// The real window on the test display.
class GlfwWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.Load()) << "libX11.so.6 not loadable";
        // The focus and the window's place are the server's: on the shared test display
        // the other tests' windows would take them.
        ASSERT_TRUE(server_.StartAsDisplay(1920, 1080)) << server_.Error();
        // A library an earlier test of the process initialised is on another display.
        glfwTerminate();
        ASSERT_TRUE(glfwInit()) << "cannot open the display " << server_.Name();
        window_ = std::make_unique<GlfwWindow>();
        window_->SetEventSink(&events);
        display_ = glfwGetX11Display();
    }
    void TearDown() override
    {
        window_.reset();
        glfwTerminate();
    }

    // Polls events until `done` holds; the deadline only ends a wait that failed.
    bool PollUntil(const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            window_->PollEvents();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Opens the window and records every focus it gains from then on: the callback is in
    // place before the first poll, so a focus that comes and goes at once is still seen.
    bool OpenWatchingTheFocus(int width, int height)
    {
        if (!window_->Open(width, height, false)) return false;
        focusSeen = false;
        glfwSetWindowFocusCallback(glfwGetCurrentContext(), [](GLFWwindow*, int focused) {
            if (focused) focusSeen = true;
        });
        return true;
    }

    static inline bool focusSeen = false;
    testing::OwnDisplayServer server_;
    testing_x::Xlib x;
    Display* display_ = nullptr;
    std::unique_ptr<GlfwWindow> window_;
    RecordingEvents events;
};

TEST_F(GlfwWindowTest, OpensCentredAndTakesTheFocus)
{
    ASSERT_TRUE(window_->DesktopMode().has_value());
    const VideoMode desktop = *window_->DesktopMode();
    for (const auto& [width, height] : {std::pair{640, 360}, std::pair{1280, 720}}) {
        SCOPED_TRACE(width);
        ASSERT_TRUE(OpenWatchingTheFocus(width, height));
        EXPECT_EQ(std::pair(window_->Width(), window_->Height()), std::pair(width, height));
        // Without a window manager, only the explicit focus request gives it the focus; an
        // unfocused game would suspend for ever. Alone on its server, the window keeps it.
        EXPECT_TRUE(PollUntil([&] { return focusSeen; }));
        EXPECT_TRUE(window_->IsFocused());
        EXPECT_EQ(std::pair(window_->Position().x, window_->Position().y),
                  std::pair((desktop.width - width) / 2, (desktop.height - height) / 2));
    }
    EXPECT_TRUE(window_->HeldKeyCodes().empty());
}

TEST_F(GlfwWindowTest, CloseRequestBecomesTheCloseKeyAndTheWindowStays)
{
    ASSERT_TRUE(window_->Open(640, 360, false));
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = glfwGetX11Window(glfwGetCurrentContext());
    event.xclient.message_type = x.InternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(x.InternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    x.SendEvent(display_, event.xclient.window, False, NoEventMask, &event);
    x.Flush(display_);

    ASSERT_TRUE(PollUntil([&] { return !events.keys.empty(); }));
    EXPECT_EQ(events.keys, (std::vector<std::pair<int, int>>{{kEventKeyDown, kKeyClose}, {kEventKeyUp, kKeyClose}}));
    EXPECT_TRUE(window_->IsOpen());
}

TEST_F(GlfwWindowTest, SizeIsKeptWithoutAskingTheServerEveryFrame)
{
    ASSERT_TRUE(window_->Open(640, 360, false));
    // The serial number of the next request: it grows with every request sent to the server.
    unsigned long (*nextRequest)(Display*) = nullptr;
    ASSERT_TRUE(x.Get(nextRequest, "XNextRequest"));

    // The host, the delegate and the renderer read the size several times per frame.
    const unsigned long before = nextRequest(display_);
    int sum = 0;
    for (int frame = 0; frame < 100; ++frame) sum += window_->Width() + window_->Height();
    EXPECT_EQ(nextRequest(display_), before);
    EXPECT_EQ(sum, 100 * (640 + 360));

    // A size change made by the system reaches the kept size with the next events.
    glfwSetWindowSize(glfwGetCurrentContext(), 800, 600);
    EXPECT_TRUE(PollUntil([&] { return window_->Width() == 800 && window_->Height() == 600; }));
}

}  // namespace
}  // namespace zelka
