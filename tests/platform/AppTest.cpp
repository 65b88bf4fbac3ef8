#include "platform/app/App.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/app/GameDelegate.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/host/Host.h"
#include "platform/input/InputDevice.h"
#include "platform/window/null/NullWindow.h"

namespace zelka {
namespace {

using Hook = std::function<void()>;

// Counts its hooks; each may run a test's check.
class CountingApp final : public App {
public:
    int OnCreate() override { return Run(creates, onCreate); }
    int OnSuspend() override { return Run(suspends, onSuspend); }
    int OnResume() override { return Run(resumes, onResume); }
    int OnUpdate() override { return Run(updates, onUpdate); }
    int OnRender() override { return Run(renders, onRender); }
    int OnClose() override { return Run(closes, nullptr); }

    int creates = 0, suspends = 0, resumes = 0, updates = 0, renders = 0, closes = 0;
    Hook onCreate, onSuspend, onResume, onUpdate, onRender;

private:
    static int Run(int& count, const Hook& hook)
    {
        ++count;
        if (hook) hook();
        return 0;
    }
};

class AppTest : public ::testing::Test {
protected:
    void Start()
    {
        ASSERT_TRUE(window.Open(640, 360, false));
        host.StartGame();
    }
    void RunPasses(int count)
    {
        for (int i = 0; i < count; ++i) host.RunPass();
    }
    NullAudioDevice& Audio() { return static_cast<NullAudioDevice&>(*app::Delegate()->Audio()); }

    FakeClock clock;
    // One size three times (once at another depth), that size turned round, and sizes that
    // share only its width or only its height.
    NullWindow window{VideoMode{1920, 1080, 8, 8, 8},
                      {{640, 480, 8, 8, 8}, {640, 480, 5, 6, 5}, {480, 640, 8, 8, 8}, {640, 400, 8, 8, 8},
                       {800, 480, 8, 8, 8}, {640, 480, 8, 8, 8}}};
    Host host{window, clock};
    CountingApp app;
};

TEST_F(AppTest, StartMakesTheDevicesBeforeOnCreateAndListsOneModePerSize)
{
    app.onCreate = [] {
        EXPECT_TRUE(graphics::GetGraphicsDevice() && input::Device() && app::Delegate()->Audio());
        EXPECT_EQ(audio::GetAudioDevice(), app::Delegate()->Audio());
        EXPECT_EQ(std::pair(app::DeviceWidth(), app::DeviceHeight()), std::pair(640, 360));
        app::SetUpdateRate(60);
    };
    Start();
    EXPECT_EQ(std::tuple(app.creates, graphics::GetGraphicsDevice()->Width(), host.UpdateRate()),
              std::tuple(1, 640, 60));

    std::vector<std::pair<int, int>> sizes;
    for (const auto& mode : app::DisplayModes()) sizes.emplace_back(mode.Width(), mode.Height());
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{640, 480}, {480, 640}, {640, 400}, {800, 480}}));
    EXPECT_EQ(std::pair(app::DesktopMode().Width(), app::DesktopMode().Height()), std::pair(1920, 1080));
}

TEST(AppWithoutDesktop, DesktopModeFallsBackToTheDeviceSize)
{
    FakeClock clock;
    NullWindow window{std::nullopt};
    Host host{window, clock};
    CountingApp app;
    ASSERT_TRUE(window.Open(800, 450, false));
    host.StartGame();
    EXPECT_TRUE(app::DisplayModes().empty());
    EXPECT_EQ(std::pair(app::DesktopMode().Width(), app::DesktopMode().Height()), std::pair(800, 450));
}

TEST_F(AppTest, CloseRequestCallsOnCloseOncePerPress)
{
    int hitsSeen = -1;
    bool downSeen = true;
    app.onUpdate = [&] {
        hitsSeen = input::KeyHit(kKeyClose);
        downSeen = input::KeyDown(kKeyClose);
    };
    Start();
    window.QueueCloseRequest();
    window.QueueCloseRequest();
    RunPasses(1);
    EXPECT_EQ(std::pair(app.closes, hitsSeen), std::pair(2, 2));
    EXPECT_FALSE(downSeen);  // released in the same event step

    // A back request closes too, and so does a down of a code already down.
    host.KeyEvent(kEventKeyDown, kKeyBack);
    host.KeyEvent(kEventKeyDown, kKeyBack);
    EXPECT_EQ(app.closes, 4);
    host.KeyEvent(kEventKeyDown, kKeyEscape);
    EXPECT_EQ(app.closes, 4);
}

TEST_F(AppTest, HitIsSeenByExactlyOneUpdate)
{
    std::vector<int> hits;
    app.onCreate = [] { app::SetUpdateRate(60); };
    app.onRender = [this] { clock.Advance(0.1); };  // slow frames: catch-up passes
    app.onUpdate = [&] { hits.push_back(input::KeyHit(kKeyA)); };
    Start();
    RunPasses(1);
    ASSERT_EQ(app.updates, 1);

    window.QueueKey(kEventKeyDown, kKeyA);
    hits.clear();
    RunPasses(1);
    EXPECT_EQ(hits, (std::vector<int>{1, 0, 0, 0}));
    EXPECT_TRUE(input::KeyDown(kKeyA));
}

TEST_F(AppTest, SuspendPausesAudioAfterItsHookAndHitsWaitForTheResume)
{
    std::vector<int> hits;
    app.onUpdate = [&] { hits.push_back(input::KeyHit(kKeySpace)); };
    app.onSuspend = [this] { EXPECT_FALSE(Audio().IsSuspended()); };
    app.onResume = [this] { EXPECT_FALSE(Audio().IsSuspended()); };
    Start();
    window.SetFocused(false);
    RunPasses(1);
    EXPECT_EQ(std::pair(app.suspends, Audio().IsSuspended()), std::pair(1, true));
    window.QueueKey(kEventKeyDown, kKeySpace);
    window.QueueKey(kEventKeyUp, kKeySpace);
    RunPasses(2);
    EXPECT_EQ(std::pair(hits.empty(), window.Waits()), std::pair(true, 2));

    window.SetFocused(true);
    RunPasses(2);
    EXPECT_EQ(std::pair(app.resumes, Audio().IsSuspended()), std::pair(1, false));
    EXPECT_EQ(hits, (std::vector<int>{1, 0}));
}

TEST_F(AppTest, RenderRunsInsideAGraphicsFrame)
{
    Start();
    auto& device = static_cast<RecordingGraphicsDevice&>(*app::Delegate()->Graphics());
    app.onRender = [&] {
        EXPECT_EQ(graphics::RenderDevice(), &device);
        EXPECT_TRUE(device.InFrame());
        graphics::Cls(0, 0, 0);
    };
    host.RenderGame();
    EXPECT_EQ(std::pair(app.renders, device.Count(DeviceOp::Cls)), std::pair(1, 1));
    EXPECT_FALSE(graphics::RenderDevice() || device.InFrame());
}

TEST_F(AppTest, DeviceSizeFollowsTheWindowFromTheNextUpdate)
{
    Start();
    host.SetDeviceWindow(1280, 720, 0);
    EXPECT_EQ(app::DeviceWidth(), 640);  // not yet seen by the game
    host.UpdateGame();
    EXPECT_EQ(std::pair(app::DeviceWidth(), app::DeviceHeight()), std::pair(1280, 720));

    app::SetDeviceWindow(800, 600, kDeviceWindowFullscreen);
    EXPECT_TRUE(window.IsFullscreen());
    EXPECT_EQ(app::DeviceWidth(), 800);
}

TEST(AppLifetime, EndingTheAppFreesTheSlot)
{
    FakeClock clock;
    NullWindow window;
    Host host{window, clock};
    {
        CountingApp first;
        EXPECT_EQ(app::CurrentApp(), &first);
        ASSERT_TRUE(window.Open(640, 360, false));
        host.StartGame();
        ASSERT_TRUE(input::Device() && audio::GetAudioDevice());
    }
    // Its devices leave the modules with it, and the host forgets its delegate.
    EXPECT_EQ(app::CurrentApp(), nullptr);
    EXPECT_EQ(host.Delegate(), nullptr);
    EXPECT_FALSE(graphics::GetGraphicsDevice() || input::Device() || audio::GetAudioDevice());
    CountingApp second;
    EXPECT_EQ(app::CurrentApp(), &second);
    EXPECT_EQ(host.Delegate(), app::Delegate());
}

}  // namespace
}  // namespace zelka
