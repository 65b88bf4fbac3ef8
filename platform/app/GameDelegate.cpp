#include "platform/app/GameDelegate.h"

#include "platform/app/AppState.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/GraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/host/Host.h"
#include "platform/input/InputDevice.h"

#include <unordered_set>

namespace zelka {

namespace {

// BeginRender results of a render device.
constexpr int kRenderSkip = 0;     // not ready: OnRender without the graphics state
constexpr int kRenderLoading = 2;  // OnLoading instead of OnRender

}  // namespace

DeviceFactory NullDeviceFactory()
{
    return {
        [](int width, int height) -> Ref<GraphicsDevice> {
            return std::make_shared<RecordingGraphicsDevice>(width, height);
        },
        []() -> Ref<AudioDevice> { return std::make_shared<NullAudioDevice>(); },
    };
}

std::vector<DisplayMode> DistinctDisplayModes(const std::vector<VideoMode>& modes)
{
    std::vector<DisplayMode> distinct;
    std::unordered_set<long long> seen;
    for (const VideoMode& mode : modes) {
        const long long key = (static_cast<long long>(mode.width) << 16) | mode.height;
        if (seen.insert(key).second) distinct.push_back({mode.width, mode.height});
    }
    return distinct;
}

GameDelegate::GameDelegate(App& app, Host* host, DeviceFactory factory)
    : app_(app), host_(host), factory_(std::move(factory))
{
}

GameDelegate::~GameDelegate()
{
    if (graphics_ && graphics::GetGraphicsDevice() == graphics_.get()) {
        graphics::SetGraphicsDevice(nullptr);
    }
    if (input_ && input::Device() == input_.get()) input::SetInputDevice(nullptr);
    if (audio_ && audio::GetAudioDevice() == audio_) audio::SetAudioDevice(nullptr);
}

void GameDelegate::ValidateDeviceWindow()
{
    if (!host_) return;
    State().deviceWidth = host_->GetDeviceWidth();
    State().deviceHeight = host_->GetDeviceHeight();
}

void GameDelegate::StartGame()
{
    const int width = host_ ? host_->GetDeviceWidth() : 0;
    const int height = host_ ? host_->GetDeviceHeight() : 0;
    graphics_ = factory_.graphics(width, height);
    graphics::SetGraphicsDevice(graphics_.get());
    graphics::SetFont();

    audio_ = factory_.audio();
    audio::SetAudioDevice(audio_);

    input_ = std::make_shared<InputDevice>();
    input::SetInputDevice(input_);

    ValidateDeviceWindow();

    std::vector<DisplayMode> modes;
    DisplayMode desktop{width, height};
    if (host_) {
        modes = DistinctDisplayModes(host_->GetDisplayModes());
        if (auto mode = host_->GetDesktopMode()) desktop = {mode->width, mode->height};
    }
    State().displayModes = std::move(modes);
    State().desktopMode = desktop;

    app_.OnCreate();
}

void GameDelegate::SuspendGame()
{
    app_.OnSuspend();
    if (audio_) audio_->Suspend();
}

void GameDelegate::ResumeGame()
{
    if (audio_) audio_->Resume();
    app_.OnResume();
}

void GameDelegate::UpdateGame()
{
    ValidateDeviceWindow();
    input_->BeginUpdate();
    app_.OnUpdate();
    input_->EndUpdate();
}

void GameDelegate::RenderGame()
{
    ValidateDeviceWindow();
    const int mode = graphics_->BeginRender();
    if (mode == kRenderSkip) {
        app_.OnRender();
    } else {
        graphics::BeginRender();
        if (mode == kRenderLoading) {
            app_.OnLoading();
        } else {
            app_.OnRender();
        }
        graphics::EndRender();
    }
    graphics_->EndRender();
}

void GameDelegate::KeyEvent(int type, int code)
{
    input_->KeyEvent(type, code);
    if (type == kEventKeyDown && (code == kKeyClose || code == kKeyBack)) app_.OnClose();
}

void GameDelegate::MouseEvent(int type, int button, float x, float y)
{
    input_->MouseEvent(type, button, x, y);
}

void GameDelegate::TouchEvent(int type, int finger, float x, float y)
{
    input_->TouchEvent(type, finger, x, y);
}

void GameDelegate::MotionEvent(int type, int index, float x, float y, float z)
{
    input_->MotionEvent(type, index, x, y, z);
}

void GameDelegate::DiscardGraphics()
{
    if (graphics_) graphics_->DiscardGraphics();
}

}  // namespace zelka
