#include "screens/app/AppServices.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/display/GDO.h"
#include "engine/media/Texture.h"
#include "engine/text/BlinkingLabel.h"
#include "engine/text/Font.h"
#include "engine/text/RetroFontWithShadow.h"
#include "engine/text/TextConstants.h"
#include "engine/ui/Panel.h"
#include "engine/ui/ToastPopup.h"
#include "services/data/AppVideoHost.h"
#include "services/data/GameData.h"
#include "platform/input/sdl/SdlJoystickBackend.h"
#include "services/player/PlayerData.h"
#include "screens/app/AppConstants.h"
#include "screens/app/HostAccess.h"
#include "screens/app/ZELKA.h"
#include "screens/locks/UnlockNotices.h"
#include "screens/menus/CfgConflictPanel.h"
#include "screens/menus/JoystickConfigPanel.h"
#include "screens/menus/PauseMenuPanel.h"
#include "screens/menus/SettingsMenuPanel.h"

namespace zelka {

namespace {

// The prompt for player 2: "PRESS ANY KEY" in the standard font, blinking once a second.
constexpr float kPromptFontScale = 1.0f;
constexpr float kPromptBlinkRate = 0.5f;   // period = 500 / rate ms
constexpr int kPromptBlinkPeriodMs = 1000;
constexpr float kPromptWidth = 200.0f;     // px
constexpr float kPromptHeight = 32.0f;

Ref<PlayerData> Player(int player)
{
    return player == kOverlayPlayer1 ? GameData::player1 : GameData::player2;
}

}  // namespace

// ---- Game data hooks ----

void AppGameDataHooks::LoadFonts()
{
    GameData::stdFont = Font::New(U"press_start_k.fnt");
    GameData::secFont = Font::New(U"upheaval.fnt");
    ToastPopup::font = GameData::stdFont;
    RetroFontWithShadow::shadowFont = GameData::secFont;
}

void AppGameDataHooks::NotifyPlayerInputMode(int player)
{
    ZELKA::NotifyPlayerInputMode(player);
}

void AppGameDataHooks::RaiseCfgConflictPanel()
{
    ZELKA::RaiseCfgConflictPanel();
}

void AppGameDataHooks::ShowCharacterUnlocked(const CharProfile& profile)
{
    ZELKA::ShowPlayerNotification(kOverlayPlayer1,
                                  contentlock::CreateCharUnlockNotification(profile));
}

void AppGameDataHooks::ShowWorldUnlocked(const String& name)
{
    ZELKA::ShowPlayerNotification(kOverlayPlayer1,
                                  contentlock::CreateGeneralUnlockNotification(name));
}

// ---- Overlay hooks ----

Ref<GDO> AppOverlayHooks::NewPausePanel()
{
    return PauseMenuPanel::New();
}

Ref<GDO> AppOverlayHooks::NewConflictPanel()
{
    return CfgConflictPanel::New();
}

Ref<GDO> AppOverlayHooks::NewInputConfigPanel()
{
    return JoystickConfigPanel::New();
}

Ref<GDO> AppOverlayHooks::NewSettingsPanel()
{
    return SettingsMenuPanel::New();
}

Ref<GDO> AppOverlayHooks::NewPrompt()
{
    if (!GameData::stdFont) {
        return nullptr;
    }
    const Ref<BlinkingLabel> prompt =
        BlinkingLabel::New(GameData::stdFont, kPromptBlinkRate, kPromptFontScale);
    prompt->blinking = true;
    prompt->blinkPeriod = kPromptBlinkPeriodMs;
    prompt->SetText(U"PRESS ANY KEY");
    prompt->SetSize(kPromptWidth, kPromptHeight);
    prompt->SetStyle(kLabelShrinkToFit);
    prompt->horizontalAlignment = kAlignCentre;
    prompt->SetKeepFontProportional(true);
    return prompt;
}

Ref<GDO> AppOverlayHooks::NewToast(const String& title)
{
    if (!ToastPopup::font) {
        return nullptr;  // its title label needs the game's fonts
    }
    return ToastPopup::New(title);
}

void AppOverlayHooks::OpenPanel(GDO& panel)
{
    // The controls panel's own Open forces player 1's menu: keep the one selected.
    if (auto* controls = dynamic_cast<JoystickConfigPanel*>(&panel)) {
        controls->OpenForPlayer(GameData::GetPlayer(controls->GetShownPlayer()).get(), false,
                                true, 0);
        return;
    }
    if (auto* real = dynamic_cast<Panel*>(&panel)) {
        real->Open(false, true, 0);
        return;
    }
    panel.visible = true;
    panel.enabled = true;
}

void AppOverlayHooks::SelectInputConfigPlayer(GDO& panel, int player)
{
    if (auto* controls = dynamic_cast<JoystickConfigPanel*>(&panel)) {
        controls->SelectPlayer(player);
    }
}

void AppOverlayHooks::DisplayToast(GDO& toast, Ref<GDO> content)
{
    if (auto* popup = dynamic_cast<ToastPopup*>(&toast)) {
        popup->DisplayToast(std::move(content));
    }
}

bool AppOverlayHooks::PlayerHasDevice(int player)
{
    const Ref<PlayerData> data = Player(player);
    return data && data->GetInputMapping();
}

String AppOverlayHooks::AnyKeyFromAnyHardware(int forPlayer)
{
    if (forPlayer == kOverlayPlayer2 && GameData::player1) {
        return GameData::GetAnyKeyFromAnyHardware(GameData::player1->GetInputMapping().get());
    }
    return GameData::GetAnyKeyFromAnyHardware();
}

void AppOverlayHooks::SetNewInputDeviceForPlayer(int player, const String& device)
{
    GameData::SetNewInputDeviceForPlayer(player, device);
}

bool AppOverlayHooks::Is2PMode()
{
    return GameData::Is2PMode();
}

void AppOverlayHooks::CheckActiveLocks()
{
    GameData::CheckActiveLocks();
}

// ---- Installation ----

void InstallAppServices()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static AppGameDataHooks& gameDataHooks = *new AppGameDataHooks;
    static AppOverlayHooks& overlayHooks = *new AppOverlayHooks;
    GameData::SetHooks(&gameDataHooks);
    GameData::SetVideoHost(std::make_shared<AppVideoHost>(&hostaccess::SetSwapInterval));
    GameData::SetJoystickBackend(NewSdlJoystickBackend());
    ExtendedStage::SetHooks(&overlayHooks);
}

}  // namespace zelka
