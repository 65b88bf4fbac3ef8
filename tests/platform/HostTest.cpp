#include "platform/host/Host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/clock/null/FakeClock.h"
#include "platform/input/InputDevice.h"
#include "platform/window/WindowConstants.h"
#include "platform/window/null/NullWindow.h"
#include "tests/platform/FatalTestSupport.h"

namespace zelka {
namespace {

// Records every delegate call as a short string, with the host's flags as the delegate
// saw them.
class RecordingDelegate final : public HostDelegate {
public:
    explicit RecordingDelegate(Host& host) : host_(host) {}

    void StartGame() override { Log("start"); }
    void SuspendGame() override { Log("suspend"); }
    void ResumeGame() override { Log("resume"); }
    void UpdateGame() override { Log("update"); }
    void RenderGame() override { Log("render"); }
    void KeyEvent(int type, int code) override
    {
        Log("key " + std::to_string(type) + " " + std::to_string(code) + " w" +
            std::to_string(window ? window->Opens() : -1));
    }
    void MouseEvent(int type, int button, float, float) override
    {
        Log("mouse " + std::to_string(type) + " " + std::to_string(button));
    }

    std::vector<std::string> calls;
    NullWindow* window = nullptr;

private:
    void Log(std::string call)
    {
        if (host_.Started()) call += host_.Suspended() ? " [S]" : " [s]";
        calls.push_back(std::move(call));
    }

    Host& host_;
};

class HostTest : public ::testing::Test {
protected:
    HostTest() { host.SetDelegate(&delegate); }

    void StartOnOpenWindow()
    {
        delegate.window = &window;
        ASSERT_TRUE(window.Open(640, 360, false));
        host.StartGame();
    }

    FakeClock clock;
    NullWindow window;
    Host host{window, clock};
    RecordingDelegate delegate{host};
};

using Calls = std::vector<std::string>;

TEST_F(HostTest, EventsFollowTheGameFlags)
{
    EXPECT_EQ(Host::Current(), &host);

    // Nothing but the start reaches the delegate before the game has started.
    host.UpdateGame();
    host.RenderGame();
    host.SuspendGame();
    host.KeyEvent(kEventKeyDown, kKeyA);
    EXPECT_TRUE(delegate.calls.empty());

    host.StartGame();
    host.StartGame();  // once per process
    host.ResumeGame();  // not suspended: ignored
    host.SuspendGame();
    host.SuspendGame();
    host.UpdateGame();  // not while suspended
    host.RenderGame();  // still renders
    host.ResumeGame();
    host.UpdateGame();
    // The flag changes before the delegate runs, so it sees the new state.
    EXPECT_EQ(delegate.calls, (Calls{"start [s]", "suspend [S]", "render [S]", "resume [s]",
                                     "update [s]"}));
}

TEST_F(HostTest, FirstWindowIsWindowedAndTheLoopEndsWithIt)
{
    window.OnEventStep([this](bool) {
        if (window.Swaps() == 3) window.Vanish();
    });
    host.SetUpdateRate(0);
    host.Run();
    EXPECT_EQ(std::tuple(window.Opens(), window.IsFullscreen(), window.Width()), std::tuple(1, false, 0));  // gone
    // The pass in which the close request arrives still finishes its update.
    EXPECT_EQ(delegate.calls, (Calls{"start [s]", "render [s]", "update [s]", "render [s]",
                                     "update [s]", "render [s]", "update [s]"}));
}

TEST_F(HostTest, InputReachesTheDelegateInTheEventStepAndAReopenReleasesHeldKeysFirst)
{
    StartOnOpenWindow();
    window.QueueKey(kEventKeyDown, kKeyA);
    window.QueueEvent([](WindowEvents& sink) { sink.MouseEvent(kEventMouseDown, 0, 1, 2); });
    EXPECT_EQ(delegate.calls.size(), 1u);
    host.EventStep(false);
    EXPECT_EQ(delegate.calls, (Calls{"start [s]", "key 1 65 w1 [s]", "mouse 4 0 [s]"}));

    delegate.calls.clear();
    window.SetHeldKeys({kKeyLeft, kKeyShift});
    host.SetDeviceWindow(1280, 720, 0);
    // Both key-ups arrive while the old window (opening 1) is still the current one.
    EXPECT_EQ(delegate.calls, (Calls{"key 2 37 w1 [s]", "key 2 16 w1 [s]"}));
    EXPECT_EQ(std::pair(window.Opens(), host.GetDeviceWidth()), std::pair(2, 1280));
}

TEST_F(HostTest, SwapIntervalReachesTheDriverOnChangeAndAtEveryOpening)
{
    ASSERT_TRUE(window.Open(640, 360, false));
    host.SetSwapInterval(-1);
    EXPECT_EQ(window.SwapInterval(), -1);  // stored, driver default kept
    host.SetSwapInterval(1);
    host.SetVSync(false);  // the window only
    EXPECT_EQ(window.SwapInterval(), 0);
    host.SetDeviceWindow(800, 600, kDeviceWindowFullscreen);
    EXPECT_EQ(std::pair(window.SwapInterval(), window.IsFullscreen()), std::pair(1, true));

    // The application asks for vsync at every update.
    const int before = window.SwapIntervalCalls();
    for (int update = 0; update < 60; ++update) host.SetVSync(true);
    EXPECT_EQ(window.SwapIntervalCalls(), before);  // already 1
    host.SetVSync(false);
    EXPECT_EQ(std::pair(window.SwapInterval(), window.SwapIntervalCalls()), std::pair(0, before + 1));
    // A new window has the driver's default again, so the next request goes through even
    // when it repeats the last one.
    host.SetSwapInterval(-1);
    host.SetDeviceWindow(800, 600, 0);
    const int reopened = window.SwapIntervalCalls();
    host.SetVSync(false);
    EXPECT_EQ(window.SwapIntervalCalls(), reopened + 1);
}

TEST_F(HostTest, WindowThatCannotOpenFallsBackOnceThenIsARuntimeError)
{
    ASSERT_TRUE(window.Open(640, 360, false));
    window.FailNextOpens(1);
    host.SetDeviceWindow(1920, 1080, kDeviceWindowFullscreen);
    EXPECT_TRUE(window.IsOpen() && !window.IsFullscreen());
    EXPECT_EQ(std::pair(window.Width(), window.Height()), std::pair(640, 360));

    const auto expectFatal = [](const std::function<void()>& body) {
        const auto result = testing::RunInChild(body);
        EXPECT_EQ(result.status, 255);
        EXPECT_EQ(result.out, "Kestro Runtime Error : Unable to open the game window\n\n");
    };
    window.FailNextOpens(2);
    expectFatal([&] { host.SetDeviceWindow(1920, 1080, kDeviceWindowFullscreen); });

    // The first window has no fallback.
    NullWindow broken;
    broken.FailNextOpens(1);
    FakeClock otherClock;
    Host other(broken, otherClock);
    other.SetDelegate(&delegate);
    expectFatal([&] { other.Run(); });
    EXPECT_TRUE(delegate.calls.empty());  // the game never started
}

TEST_F(HostTest, MillisecsTruncateAndTheDateFillsOnlyWhatFits)
{
    clock.Set(1.2349);
    EXPECT_EQ(host.Millisecs(), 1234);

    std::vector<int> date(9, -7);
    Host::GetDate(date);
    EXPECT_TRUE(date[0] >= 2024 && date[1] >= 1 && date[1] <= 12 && date[2] >= 1 && date[2] <= 31)
        << date[0] << "-" << date[1] << "-" << date[2];
    EXPECT_EQ(date[6], 0);
    EXPECT_EQ(date[7], -7);  // no eighth entry
    std::vector<int> shortDate(2, -7);
    Host::GetDate(shortDate);
    EXPECT_EQ(shortDate[0], date[0]);
}

}  // namespace
}  // namespace zelka
