#include "screens/menus/SettingsMenu.h"

#include "engine/core/MathUtil.h"
#include "engine/text/Font.h"
#include "engine/text/TextConstants.h"
#include "services/config/GlobalOptions.h"
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"

#include <string>

namespace zelka {

namespace {

constexpr float kMenuWidth = 200.0f;   // px
constexpr float kMenuHeight = 190.0f;
constexpr int kVolumeStep = 10;        // percent per left or right
constexpr int kVolumeMax = 100;
constexpr int kFullScreenOn = 100;     // the full-screen bar reads 0 or 100
constexpr int kFullScreenThreshold = 99;  // above: full screen wanted
constexpr int kSavedMessageMs = 1000;
constexpr int kConfirmMs = 10000;      // an applied video mode waits this long for a cancel
constexpr int kMillisPerSecond = 1000;

constexpr float kTitleY = -79.0f;
constexpr float kTitleWidth = 180.0f;
constexpr float kTitleHeight = 20.0f;
constexpr float kRowLabelWidth = 180.0f;
constexpr float kResolutionCaptionY = -54.0f;
constexpr float kResolutionY = -34.0f;
constexpr float kResolutionWidth = 150.0f;
constexpr float kFullScreenY = -10.0f;
constexpr float kFullScreenBarX = 76.0f;
constexpr float kFullScreenBarWidth = 16.0f;
constexpr float kFullScreenBarHeight = 14.0f;
constexpr float kVolumeBarX = 40.0f;
constexpr float kVolumeBarWidth = 90.0f;
constexpr float kVolumeBarHeight = 18.0f;
constexpr float kMusicY = 15.0f;
constexpr float kEffectsY = 37.0f;
constexpr float kApplyY = 60.0f;
constexpr float kBackY = 81.0f;
constexpr float kButtonWidth = 190.0f;

int ClampVolume(int volume)
{
    return math::Clamp(volume, 0, kVolumeMax);
}

String Decimal(int n)
{
    return FromLatin1(std::to_string(n));
}

}  // namespace

SettingsMenu::SettingsMenu() : ConfigurableMenu(kMenuWidth, kMenuHeight)
{
    tint.Set(0, 0, 0);
}

Ref<SettingsMenu> SettingsMenu::New(Ref<PlayerData> owner)
{
    auto menu = std::make_shared<SettingsMenu>();
    SetupConfigurable(*menu, std::move(owner));
    SettingsMenu& m = *menu;

    const Ref<Label> title = Label::New(GameData::secFont, 1.0f);
    title->SetStyle(kLabelShrinkToFit);
    title->horizontalAlignment = kAlignCentre;
    title->SetSize(kTitleWidth, kTitleHeight);
    title->tint.Set(160, 160, 220);  // pale lilac
    title->SetText(U"SETTINGS");
    m.AddChild2(title, 0.0f, kTitleY);
    m.AddChild2(m.CreateLabelForOption(U"RESOLUTION", kAlignStart, kRowLabelWidth), 0.0f,
                kResolutionCaptionY);

    m.resolutionLabel_ = m.CreateLabelForOption(U"<RES>", kAlignCentre, kResolutionWidth);
    m.resolutionLabel_->tint.Set(255, 204, 0);  // gold, as every value
    m.AddOption(m.resolutionLabel_, 0.0f, kResolutionY);

    m.AddOption(m.CreateLabelForOption(U"FULLSCREEN", kAlignStart, kRowLabelWidth), 0.0f,
                kFullScreenY);
    m.fullScreenBar_ = UIRectangleBar::New(kFullScreenBarWidth, kFullScreenBarHeight);
    m.AddChild2(m.fullScreenBar_, kFullScreenBarX, kFullScreenY);

    m.musicBar_ = UIRectangleBar::New(kVolumeBarWidth, kVolumeBarHeight);
    m.AddOption(m.musicBar_, kVolumeBarX, kMusicY);
    m.AddChild2(m.CreateLabelForOption(U"BGM VOL", kAlignStart, kRowLabelWidth), 0.0f, kMusicY);
    m.effectsBar_ = UIRectangleBar::New(kVolumeBarWidth, kVolumeBarHeight);
    m.AddOption(m.effectsBar_, kVolumeBarX, kEffectsY);
    m.AddChild2(m.CreateLabelForOption(U"SFX VOL", kAlignStart, kRowLabelWidth), 0.0f,
                kEffectsY);

    const Ref<Label> apply = m.CreateLabelForOption(U"APPLY", kAlignCentre, kButtonWidth);
    apply->tint.Set(255, 180, 70);  // orange
    m.AddOption(apply, 0.0f, kApplyY);
    m.backLabel_ = m.CreateLabelForOption(U"BACK", kAlignCentre, kButtonWidth);
    m.backLabel_->tint.Set(160, 160, 160);  // grey
    m.AddOption(m.backLabel_, 0.0f, kBackY);

    m.Reset();
    return menu;
}

void SettingsMenu::Reset()
{
    const GlobalOptions fallback;
    const GlobalOptions& options = GameData::options ? *GameData::options : fallback;
    savedMusic_ = options.bgmVolume;
    savedEffects_ = options.sfxVolume;
    SelectResolution(GameData::GetCurrentVideoModeIndex());
    fullScreenBar_->SetValue(options.fullscreen ? kFullScreenOn : 0);
    musicBar_->SetValue(ClampVolume(options.bgmVolume));
    effectsBar_->SetValue(ClampVolume(options.sfxVolume));
    MoveCursorToOption(kRowResolution);
}

void SettingsMenu::SelectResolution(int index)
{
    const VideoMode_* mode = GameData::GetVideoModeInfo(index);
    if (mode == nullptr) {
        return;
    }
    selectedResolution_ = index;
    resolutionLabel_->SetText(Decimal(mode->width) + U"x" + Decimal(mode->height));
    if (mode->windowedOnly) {
        fullScreenBar_->SetValue(0);
    }
}

void SettingsMenu::ShowVideoInUse()
{
    const int current = GameData::GetCurrentVideoModeIndex();
    if (current >= 0 || !GameData::options) {
        SelectResolution(current);
    } else {
        // A window of a size no entry has: the row names that size and selects no entry,
        // so the row matches the window (BACK) and APPLY finds nothing to change.
        selectedResolution_ = -1;
        resolutionLabel_->SetText(Decimal(GameData::options->screenWidth) + U"x" +
                                  Decimal(GameData::options->screenHeight));
    }
    const bool fullScreen = GameData::options && GameData::options->fullscreen;
    fullScreenBar_->SetValue(fullScreen ? kFullScreenOn : 0);
}

bool SettingsMenu::SelectedIsWindowedOnly() const
{
    const VideoMode_* mode = GameData::GetVideoModeInfo(selectedResolution_);
    return mode != nullptr && mode->windowedOnly;
}

bool SettingsMenu::ShowArrowsForOption(int index)
{
    return index == kRowResolution || index == kRowMusic || index == kRowEffects;
}

int SettingsMenu::CheckBeforeOptionChange(int /*from*/, int /*to*/)
{
    return OverMsgVisible() ? 1 : 0;
}

void SettingsMenu::ChangeOptionValue(int index, int delta)
{
    if (OverMsgVisible()) {
        return;
    }
    switch (index) {
    case kRowResolution: {
        const int count = GameData::GetTotalVideoModes();
        int next = selectedResolution_ + delta;
        if (next >= count) {
            next = 0;
        } else if (next < 0) {
            next = count - 1;
        }
        SelectResolution(next);
        break;
    }
    case kRowMusic: {
        // Clamped before it reaches the bar, so a stored 5 steps down to 0.
        const int volume = ClampVolume(musicBar_->GetValue() + kVolumeStep * delta);
        musicBar_->SetValue(volume);
        GameData::SetBGMVolume(volume);
        break;
    }
    case kRowEffects: {
        const int volume = ClampVolume(effectsBar_->GetValue() + kVolumeStep * delta);
        effectsBar_->SetValue(volume);
        GameData::SetSFXVolume(volume);
        break;
    }
    default:
        break;
    }
}

void SettingsMenu::OkPressed(int index)
{
    if (OverMsgVisible()) {
        // Accepting keeps an applied video change: a cancel during the message's closing
        // fold must not revert it any more.
        videoChangePending_ = false;
        CloseOverMsg();
        return;
    }
    switch (index) {
    case kRowFullScreen:
        if (SelectedIsWindowedOnly()) {
            fullScreenBar_->SetValue(0);
        } else {
            const bool on = fullScreenBar_->GetValue() > kFullScreenThreshold;
            fullScreenBar_->SetValue(on ? 0 : kFullScreenOn);
        }
        break;
    case kRowApply:
        Apply();
        break;
    case kRowBack:
        CloseThisDialog();
        break;
    default:
        break;
    }
}

void SettingsMenu::Apply()
{
    if (!GameData::options) {
        return;
    }
    GlobalOptions& options = *GameData::options;
    savedMusic_ = options.bgmVolume;
    savedEffects_ = options.sfxVolume;
    previousMode_ = GameData::GetCurrentVideoModeIndex();
    previousFullScreen_ = options.fullscreen;
    previousWidth_ = options.screenWidth;
    previousHeight_ = options.screenHeight;
    const bool wantFullScreen = fullScreenBar_->GetValue() > kFullScreenThreshold;
    if (selectedResolution_ == previousMode_ && wantFullScreen == options.fullscreen) {
        videoChangePending_ = false;
        ShowOverMsg(Font::FT_Color(128, 220, 0) /* green */ + U"CHANGES SAVED!", kSavedMessageMs,
                    false);
        return;
    }
    GameData::ChangeVideoMode(selectedResolution_, wantFullScreen);
    // The mode may differ from the rows: full screen from a window of a size no entry has
    // opens at the desktop's size, and a windowed-only mode stays a window.
    ShowVideoInUse();
    videoChangePending_ = true;
    ShowOverMsg(String(), kConfirmMs, false);
    RefreshOverMsgTimeOutText();
}

void SettingsMenu::RevertVideo()
{
    if (previousMode_ < 0 && !previousFullScreen_ && previousWidth_ > 0 && previousHeight_ > 0) {
        GameData::SetToWindow(previousWidth_, previousHeight_);
    } else {
        GameData::ChangeVideoMode(previousMode_, previousFullScreen_);
    }
    videoChangePending_ = false;
    // Left on the refused mode, the next APPLY (say, of the full-screen row alone) would
    // bring it back.
    ShowVideoInUse();
}

void SettingsMenu::CancelPressed(int /*index*/, bool /*byEscape*/)
{
    if (!OverMsgVisible()) {
        CloseThisDialog();
    } else if (videoChangePending_) {
        RevertVideo();
        CloseOverMsg();
    }
}

void SettingsMenu::CloseThisDialog()
{
    GameData::SetBGMVolume(ClampVolume(savedMusic_));
    GameData::SetSFXVolume(savedEffects_);
    CloseEnclosingPanel();
    playerconfig::SaveGameSettings();
}

void SettingsMenu::RefreshOverMsgTimeOutText()
{
    SetOverMsgText(Font::FT_Color(223, 226, 0) /* yellow */ + U"LOOKIN' GOOD? ... " +
                   Decimal(OverMsgTimeout() / kMillisPerSecond));
}

void SettingsMenu::RefreshBackText()
{
    const GlobalOptions fallback;
    const GlobalOptions& options = GameData::options ? *GameData::options : fallback;
    const bool fullScreenShown = fullScreenBar_->GetValue() > kFullScreenThreshold;
    const bool unchanged = options.bgmVolume == savedMusic_ && options.sfxVolume == savedEffects_ &&
                           selectedResolution_ == GameData::GetCurrentVideoModeIndex() &&
                           fullScreenShown == options.fullscreen;
    const String text = unchanged ? U"BACK" : U"DISCARD";
    if (backLabel_->GetText() != text) {
        backLabel_->SetText(text);
    }
}

void SettingsMenu::Update(int ms)
{
    ConfigurableMenu::Update(ms);
    RefreshBackText();
    if (OverMsgVisible() && videoChangePending_) {
        RefreshOverMsgTimeOutText();
        if (OverMsgTimeout() <= 0) {
            videoChangePending_ = false;  // ran out: the new mode stays, as with accept
        }
    }
}

}  // namespace zelka
