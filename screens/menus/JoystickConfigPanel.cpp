#include "screens/menus/JoystickConfigPanel.h"

#include "engine/stage/ExtendedStage.h"
#include "engine/stage/Game.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "screens/app/AppConstants.h"
#include "screens/app/PlayerEventData.h"

namespace zelka {

Ref<JoystickConfigPanel> JoystickConfigPanel::New()
{
    auto panel = std::make_shared<JoystickConfigPanel>();
    panel->menu1_ = JoystickConfigMenu::New(GameData::player1);
    panel->menu2_ = JoystickConfigMenu::New(GameData::player2);
    panel->menu1_->name = U"P1_MENU";
    panel->menu2_->name = U"P2_MENU";
    Setup(*panel, nullptr, U"scale.y", 0.0f, 1.0f, kPanelDefaultMs, nullptr);
    panel->AddChild(panel->menu1_);
    panel->AddChild(panel->menu2_);
    panel->name = U"JOYSTICKCFG_PANEL";
    panel->SelectPlayer(kOverlayPlayer1);
    EventManager::RegisterListener(panel, nullptr, kEventPlayerInputModeChanged);
    return panel;
}

const Ref<JoystickConfigMenu>& JoystickConfigPanel::GetMenu(int player) const
{
    return player == kOverlayPlayer2 ? menu2_ : menu1_;
}

void JoystickConfigPanel::SelectPlayer(int player)
{
    shownPlayer_ = player == kOverlayPlayer2 ? kOverlayPlayer2 : kOverlayPlayer1;
    const bool first = shownPlayer_ == kOverlayPlayer1;
    menu1_->visible = first;
    menu1_->enabled = first;
    menu2_->visible = !first;
    menu2_->enabled = !first;
    // Events are lost while a transition mutes them: read the device again on showing.
    const Ref<JoystickConfigMenu>& shown = GetMenu(shownPlayer_);
    if (shown->GetOwner() && shown->GetOwner()->GetInputMapping()) {
        shown->RefreshInputDeviceForPlayer();
    }
}

void JoystickConfigPanel::Open(bool immediate, bool playSound, int delayMs)
{
    SelectPlayer(kOverlayPlayer1);
    Panel::Open(immediate, playSound, delayMs);
}

void JoystickConfigPanel::OpenForPlayer(const PlayerData* player, bool immediate, bool playSound,
                                        int delayMs)
{
    const bool first = player == nullptr || player == GameData::player1.get();
    SelectPlayer(first ? kOverlayPlayer1 : kOverlayPlayer2);
    Panel::Open(immediate, playSound, delayMs);
}

void JoystickConfigPanel::Close2(bool immediate, bool playSound)
{
    for (const Ref<JoystickConfigMenu>& menu : {menu1_, menu2_}) {
        menu->Reset();
    }
    Panel::Close2(immediate, playSound);
}

void JoystickConfigPanel::HandleEvent(Object* source, int id, Object* data)
{
    if (id != kEventPlayerInputModeChanged || source != Game::GetCurrentGame()) {
        return;
    }
    const auto* event = dynamic_cast<const PlayerEventData*>(data);
    if (event == nullptr || !event->player) {
        return;
    }
    const Ref<JoystickConfigMenu>& menu =
        event->player == GameData::player1 ? menu1_ : menu2_;
    menu->RefreshInputDeviceForPlayer();
}

}  // namespace zelka
