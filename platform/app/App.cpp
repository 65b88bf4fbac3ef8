#include "platform/app/App.h"

#include "platform/app/AppState.h"
#include "platform/core/Fatal.h"
#include "platform/host/Host.h"

namespace zelka {

AppState& State()
{
    // Never destroyed: an exit() from a library would otherwise run the delegate's
    // destructor after the module states it clears were gone.
    static AppState& state = *new AppState;
    return state;
}

App::App()
{
    AppState& state = State();
    if (state.app) RuntimeError("App has already been created");
    state.app = this;
    Host* host = Host::Current();
    state.delegate = std::make_unique<GameDelegate>(*this, host, state.factory);
    if (host) host->SetDelegate(state.delegate.get());
}

App::~App()
{
    AppState& state = State();
    if (state.app != this) return;
    Host* host = Host::Current();
    if (host && host->Delegate() == state.delegate.get()) host->SetDelegate(nullptr);
    DeviceFactory factory = std::move(state.factory);
    state = AppState{};
    state.factory = std::move(factory);
}

int App::OnCreate()
{
    return 0;
}

int App::OnSuspend()
{
    return 0;
}

int App::OnResume()
{
    return 0;
}

int App::OnUpdate()
{
    return 0;
}

int App::OnLoading()
{
    return 0;
}

int App::OnRender()
{
    return 0;
}

int App::OnClose()
{
    app::EndApp();
}

int App::OnResize()
{
    return 0;
}

int App::OnBack()
{
    return OnClose();
}

namespace app {

App* CurrentApp()
{
    return State().app;
}

GameDelegate* Delegate()
{
    return State().delegate.get();
}

void SetDeviceFactory(DeviceFactory factory)
{
    State().factory = std::move(factory);
}

void EndApp()
{
    // Not an exception: the host's guards would turn it into status 255, and it is often
    // reached inside a window-library callback.
    EndProcess(0);
}

int DeviceWidth()
{
    return State().deviceWidth;
}

int DeviceHeight()
{
    return State().deviceHeight;
}

void SetDeviceWindow(int width, int height, int flags)
{
    Host* host = Host::Current();
    if (!host) return;
    host->SetDeviceWindow(width, height, flags);
    State().deviceWidth = host->GetDeviceWidth();
    State().deviceHeight = host->GetDeviceHeight();
}

const std::vector<DisplayMode>& DisplayModes()
{
    return State().displayModes;
}

DisplayMode DesktopMode()
{
    return State().desktopMode;
}

void SetUpdateRate(int rate)
{
    State().updateRate = rate;
    if (Host* host = Host::Current()) host->SetUpdateRate(rate);
}

int UpdateRate()
{
    return State().updateRate;
}

int Millisecs()
{
    Host* host = Host::Current();
    return host ? host->Millisecs() : 0;
}

void ShowMouse()
{
    if (Host* host = Host::Current()) host->SetMouseVisible(true);
}

void HideMouse()
{
    if (Host* host = Host::Current()) host->SetMouseVisible(false);
}

void SetVSync(bool on)
{
    if (Host* host = Host::Current()) host->SetVSync(on);
}

std::array<int, 7> GetDate2()
{
    std::array<int, 7> date{};
    Host::GetDate(date);
    return date;
}

void GetDate(std::span<int> date)
{
    Host::GetDate(date);
}

}  // namespace app

}  // namespace zelka
