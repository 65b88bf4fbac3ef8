#include "platform/app/App.h"

#include <gtest/gtest.h>

#include <functional>
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
#include "tests/platform/FatalTestSupport.h"

namespace zelka {
namespace {

// Counts its hooks; each may run a test's check.
class CountingApp final : public App {
public:
    int OnCreate() override
    {
        ++creates;
        if (onCreate) onCreate();
        return 0;
    }
    int OnSuspend() override
    {
        ++suspends;
        if (onSuspend) onSuspend();
        return 0;
    }
    int OnResume() override
    {
        ++resumes;
        if (onResume) onResume();
        return 0;
    }
    int OnUpdate() override
    {
        ++updates;
        if (onUpdate) onUpdate();
        return 0;
    }
    int OnRender() override
    {
        ++renders;
        if (onRender) onRender();
        return 0;
    }
    int OnClose() override
    {
        ++closes;
        return 0;
    }

    int creates = 0, suspends = 0, resumes = 0, updates = 0, renders = 0, closes = 0;
    std::function<void()> onCreate, onSuspend, onResume, onUpdate, onRender;
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
    NullWindow window{VideoMode{1920, 1080, 8, 8, 8},
                      {{640, 480, 8, 8, 8}, {640, 480, 5, 6, 5}, {800, 600, 8, 8, 8},
                       {640, 480, 8, 8, 8}}};
    Host host{window, clock};
    CountingApp app;
};

TEST_F(AppTest, CreatingTheAppRegistersItsDelegate)
{
    EXPECT_EQ(app::CurrentApp(), &app);
    ASSERT_NE(app::Delegate(), nullptr);
    EXPECT_EQ(host.Delegate(), app::Delegate());
}

TEST_F(AppTest, StartMakesTheDevicesBeforeOnCreate)
{
    app.onCreate = [] {
        EXPECT_NE(graphics::GetGraphicsDevice(), nullptr);
        EXPECT_NE(input::Device(), nullptr);
        EXPECT_NE(app::Delegate()->Audio(), nullptr);
        EXPECT_EQ(audio::GetAudioDevice(), app::Delegate()->Audio());
        EXPECT_EQ(app::DeviceWidth(), 640);
        EXPECT_EQ(app::DeviceHeight(), 360);
        app::SetUpdateRate(60);
    };
    Start();
    EXPECT_EQ(app.creates, 1);
    EXPECT_EQ(graphics::GetGraphicsDevice()->Width(), 640);
    EXPECT_EQ(app::UpdateRate(), 60);
    EXPECT_EQ(host.UpdateRate(), 60);
}

TEST_F(AppTest, DisplayModesKeepOneEntryPerSize)
{
    Start();
    const auto& modes = app::DisplayModes();
    ASSERT_EQ(modes.size(), 2u);
    EXPECT_EQ(modes[0].Width(), 640);  // at the place of the first 640 x 480
    EXPECT_EQ(modes[0].Height(), 480);
    EXPECT_EQ(modes[1].Width(), 800);
    EXPECT_EQ(app::DesktopMode().Width(), 1920);
    EXPECT_EQ(app::DesktopMode().Height(), 1080);
}

TEST(DistinctDisplayModes, SizeIsTheKeyNotTheDepth)
{
    const auto modes = DistinctDisplayModes({{1024, 768, 8, 8, 8},
                                             {768, 1024, 8, 8, 8},  // not the same size
                                             {1024, 768, 5, 6, 5},
                                             {1024, 600, 8, 8, 8}});
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[1].Width(), 768);
    EXPECT_EQ(modes[2].Height(), 600);
    EXPECT_TRUE(DistinctDisplayModes({}).empty());
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
    EXPECT_EQ(app::DesktopMode().Width(), 800);
    EXPECT_EQ(app::DesktopMode().Height(), 450);
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
    EXPECT_EQ(app.closes, 2);
    EXPECT_EQ(hitsSeen, 2);
    EXPECT_FALSE(downSeen);  // released in the same event step

    // A back request closes too, and so does a down of a code already down.
    host.KeyEvent(kEventKeyDown, kKeyBack);
    host.KeyEvent(kEventKeyDown, kKeyBack);
    EXPECT_EQ(app.closes, 4);
    host.KeyEvent(kEventKeyDown, kKeyEscape);
    EXPECT_EQ(app.closes, 4);
}

TEST(AppRun, BaseAppEndsWithStatusZeroOnTheCloseRequest)
{
    const auto result = testing::RunInChild([] {
        FakeClock clock;
        NullWindow window;
        Host host{window, clock};
        App app;
        window.QueueCloseRequest();
        host.Run();
        std::printf("loop returned\n");
        _exit(3);
    });
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
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

TEST_F(AppTest, HitsWhileSuspendedWaitForTheFirstUpdateAfterResuming)
{
    std::vector<int> hits;
    app.onUpdate = [&] { hits.push_back(input::KeyHit(kKeySpace)); };
    Start();
    window.SetFocused(false);
    RunPasses(1);
    EXPECT_EQ(app.suspends, 1);
    window.QueueKey(kEventKeyDown, kKeySpace);
    window.QueueKey(kEventKeyUp, kKeySpace);
    RunPasses(2);
    EXPECT_TRUE(hits.empty());
    EXPECT_EQ(window.Waits(), 2);

    window.SetFocused(true);
    RunPasses(2);
    EXPECT_EQ(app.resumes, 1);
    EXPECT_EQ(hits, (std::vector<int>{1, 0}));
}

TEST_F(AppTest, SuspendPausesAudioAfterTheHookAndResumeBeforeIt)
{
    Start();
    app.onSuspend = [this] { EXPECT_FALSE(Audio().IsSuspended()); };
    app.onResume = [this] { EXPECT_FALSE(Audio().IsSuspended()); };
    host.SuspendGame();
    EXPECT_TRUE(Audio().IsSuspended());
    host.ResumeGame();
    EXPECT_FALSE(Audio().IsSuspended());
    EXPECT_EQ(app.suspends, 1);
    EXPECT_EQ(app.resumes, 1);
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
    EXPECT_EQ(app.renders, 1);
    EXPECT_EQ(graphics::RenderDevice(), nullptr);
    EXPECT_FALSE(device.InFrame());
    EXPECT_EQ(device.Count(DeviceOp::Cls), 1);
}

TEST_F(AppTest, DeviceSizeFollowsTheWindowFromTheNextUpdate)
{
    Start();
    host.SetDeviceWindow(1280, 720, 0);
    EXPECT_EQ(app::DeviceWidth(), 640);  // not yet seen by the game
    host.UpdateGame();
    EXPECT_EQ(app::DeviceWidth(), 1280);
    EXPECT_EQ(app::DeviceHeight(), 720);

    app::SetDeviceWindow(800, 600, kDeviceWindowFullscreen);
    EXPECT_TRUE(window.IsFullscreen());
    EXPECT_EQ(app::DeviceWidth(), 800);
}

TEST_F(AppTest, MouseVsyncAndMillisecsGoThroughTheHost)
{
    Start();
    app::HideMouse();
    EXPECT_FALSE(window.MouseVisible());
    app::ShowMouse();
    EXPECT_TRUE(window.MouseVisible());
    app::SetVSync(true);
    EXPECT_EQ(window.SwapInterval(), 1);
    app::SetVSync(false);
    EXPECT_EQ(window.SwapInterval(), 0);
    clock.Set(2.5);
    EXPECT_EQ(app::Millisecs(), 2500);
    EXPECT_EQ(app::GetDate2()[6], 0);
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
        ASSERT_NE(input::Device(), nullptr);
        ASSERT_NE(audio::GetAudioDevice(), nullptr);
    }
    // Its devices leave the modules with it, and the host forgets its delegate.
    EXPECT_EQ(app::CurrentApp(), nullptr);
    EXPECT_EQ(host.Delegate(), nullptr);
    EXPECT_EQ(graphics::GetGraphicsDevice(), nullptr);
    EXPECT_EQ(input::Device(), nullptr);
    EXPECT_EQ(audio::GetAudioDevice(), nullptr);
    CountingApp second;
    EXPECT_EQ(app::CurrentApp(), &second);
    EXPECT_EQ(host.Delegate(), app::Delegate());
}

TEST(App, BaseOnBackEndsTheApp)
{
    const auto result = testing::RunInChild([] {
        App app;
        app.OnBack();
        _exit(3);
    });
    EXPECT_EQ(result.status, 0);
}

}  // namespace
}  // namespace zelka
