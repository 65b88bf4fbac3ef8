// CharSelStage: the update, its three phases and the players' input.
#include "screens/charsel/CharSelStage.h"

#include "engine/audio/SoundManager.h"
#include "engine/core/MathUtil.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/text/Label.h"
#include "engine/tween/TweenEngine.h"
#include "engine/ui/Panel.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/roster/Roster.h"
#include "services/settings/GameMode.h"
#include "services/settings/GameWorld.h"
#include "screens/app/AppConstants.h"
#include "screens/app/ZELKA.h"
#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/LockNotice.h"
#include "screens/charsel/MatchSettings.h"
#include "screens/charsel/ProfileCard.h"
#include "screens/charsel/WorldSelector.h"

#include <string>
#include <utility>

namespace zelka {

namespace {

constexpr int kRaceStartWaitMs = 2000;   // the world's voice is heard before the match
const String kWorldNoticeName = U"WORLD_LOCK";

String CharNoticeName(int i)
{
    return U"CHAR" + FromLatin1(std::to_string(i)) + U"_LOCK";
}

// Puts `current`, the selection's own lock notice (null when it is unlocked), under `name`
// in `root`, at the position `place` gives for it. A different notice still showing there
// is closed first and waited for (false); a hidden one is only detached, for its roulette
// or selector keeps it for the next time its entry comes by.
template <class Place>
bool KeepNotice(GDO& root, const Ref<GDO>& current, const String& name, Place place)
{
    Ref<GDO> found = root.GetChildByName(name);
    if (found && found != current) {
        if (found->visible) {
            Panel* panel = AsNoticePanel(found);
            if (panel && !IsPanelClosing(*panel, kLockNoticeClosed)) {
                panel->Close2(false, false);
            }
            return false;
        }
        found->DetachFromParent();
        found.reset();
    }
    if (current && !found) {
        const auto [x, y] = place(*current);
        current->name = name;
        root.AddChild2(current, x, y);
    }
    return true;
}

String SideTween(int i, const char32_t* suffix)
{
    return U"p" + FromLatin1(std::to_string(i + 1)) + suffix;
}

bool Hit(const PlayerData* player, int action)
{
    return player && player->GetInputMapping() && player->GetInputMapping()->InputHit(action);
}

bool IsClosing(const Panel* panel, float closedValue)
{
    return panel && IsPanelClosing(*panel, closedValue);
}

// Visible and not on its way out.
bool IsShown(const Panel* panel, float closedValue)
{
    return panel && panel->IsOpen() && !IsPanelClosing(*panel, closedValue);
}

void OpenNoticeIfClosed(const Ref<GDO>& notice)
{
    if (Panel* panel = AsNoticePanel(notice); panel && !panel->IsOpen()) {
        panel->Open(false, true, 0);
    }
}

}  // namespace

void CharSelStage::Update(int ms)
{
    if (roulettes_[1] && worldPanel_ && !leaving_) {
        const PlayerData* player2 = GameData::player2.get();
        if (GameData::Is2PMode() && wins_[1]) {
            wins_[1]->visible = player2 && player2->GetInputMapping();
        }
        if (IsShown(settingsPanel_.get(), kChoicePanelClosedY)) {
            UpdateSettings();
        } else if (IsShown(worldPanel_.get(), kChoicePanelClosedY) &&
                   (!settingsPanel_ || !settingsPanel_->IsOpen() ||
                    IsClosing(settingsPanel_.get(), kChoicePanelClosedY))) {
            UpdateWorld();
        } else if (!worldPanel_->IsOpen() && (!settingsPanel_ || !settingsPanel_->IsOpen())) {
            UpdateCharacters();
        }
        if (!leaving_ && GameData::GlobalCancelPressed()) {
            Leave(kStageTitle);
        }
    }
    ExtendedStage::Update(ms);
}

void CharSelStage::Leave(int stage, int extraWaitMs)
{
    leaving_ = true;
    ZELKA* game = ZELKA::Current();
    if (game == nullptr) {
        return;
    }
    if (extraWaitMs > 0) {
        game->GoToStageWithWaitTime(stage, extraWaitMs);
    } else {
        game->GoToStage(stage);
    }
}

// ---- Character phase ----

void CharSelStage::UpdateCharacters()
{
    if (GameData::Is2PMode()) {
        ParsePlayerInput(GameData::player1.get(), 0);
        if (!leaving_) {
            ParsePlayerInput(GameData::player2.get(), 1);
        }
    } else {
        UpdateOnePlayerCharacters();
    }
    if (!leaving_ && roulettes_[0]->IsConfirmed() && roulettes_[1]->IsConfirmed()) {
        worldPanel_->Open(false, false, 0);
    }
}

void CharSelStage::UpdateOnePlayerCharacters()
{
    const PlayerData* player1 = GameData::player1.get();
    if (!roulettes_[0]->IsConfirmed()) {
        ParsePlayerInput(player1, 0);
        return;
    }
    if (roulettes_[1]->IsConfirmed()) {
        return;
    }
    const Ref<GDO> notice = worldRoot_->GetChildByName(CharNoticeName(1));
    const bool noticeShown = notice && notice->visible;
    if (Hit(player1, kActionCancel) && !noticeShown) {
        // Cancel while picking the computer's character takes back player 1's own pick.
        cards_[1]->Hide();
        ParsePlayerInput(player1, 0);
    } else {
        ParsePlayerInput(player1, 1);
    }
}

bool CharSelStage::KeepCharacterNotice(int i)
{
    const CharRoulette& roulette = *roulettes_[i];
    return KeepNotice(*worldRoot_, roulette.GetLockNotice(roulette.GetSelected()),
                      CharNoticeName(i), [&](const GDO& notice) {
                          // Out from the roulette's base towards the portrait's side.
                          const float s = math::Sgn(portraits_[i]->position->x);
                          return std::pair{s * notice.GetWidth() / 2,
                                           roulette.GetBaseY() + s * notice.GetHeight() / 2};
                      });
}

void CharSelStage::ParsePlayerInput(const PlayerData* player, int i)
{
    if (!player || !player->GetInputMapping() || i < 0 || i > 1 || !roulettes_[i]) {
        return;
    }
    if (!KeepCharacterNotice(i)) {
        return;
    }
    const InputMapping& input = *player->GetInputMapping();
    CharRoulette& roulette = *roulettes_[i];
    bool downward = false;
    bool scrolled = false;
    if (input.InputDown(kActionDown)) {
        downward = true;
        scrolled = roulette.ScrollDown();
    } else if (input.InputDown(kActionUp)) {
        scrolled = roulette.ScrollUp();
    }
    if (scrolled) {
        UpdateSelectedProfile(i, downward);
        if (masks_[i]) {
            masks_[i]->Stop2(true);  // a finished "open" is still current: restart it
            masks_[i]->PlaySequence(U"open");
        }
    } else if (input.InputHit(kActionStart)) {
        ShowPauseMenu();
    } else if (input.InputHit(kActionAccept)) {
        ConfirmSide(i);
    } else if (input.InputHit(kActionCancel)) {
        CancelSide(player, i);
    } else if ((input.InputHit(kActionLeft) || input.InputHit(kActionRight)) &&
               !roulette.IsConfirmed()) {
        TogglePlayerBio(i);
    }
}

void CharSelStage::ConfirmSide(int i)
{
    CharRoulette& roulette = *roulettes_[i];
    if (!roulette.ConfirmSelection(true)) {
        OpenNoticeIfClosed(roulette.GetLockNotice(roulette.GetSelected()));
        return;
    }
    cards_[i]->Hide();
    TurnCursor(i, true);
}

void CharSelStage::CancelSide(const PlayerData* player, int i)
{
    CharRoulette& roulette = *roulettes_[i];
    if (Panel* notice = AsNoticePanel(roulette.GetLockNotice(roulette.GetSelected()));
        notice && notice->IsOpen()) {
        if (!IsPanelClosing(*notice, kLockNoticeClosed)) {
            notice->Close2(false, true);
        }
        return;
    }
    if (!roulette.ConfirmSelection(false)) {
        if (player == GameData::player1.get()) {
            SoundManager::PlaySFX(kSfxCancel, kSfxChannelGeneral, false);
            Leave(kStageTitle);
        }
        return;
    }
    TurnCursor(i, false);
}

void CharSelStage::TurnCursor(int i, bool locked)
{
    SetCursorTweenBindings(i, !locked);
    if (!cursors_[i]) {
        return;
    }
    const String lockTween = SideTween(i, U"SelectionLockTween");
    const String unlockTween = SideTween(i, U"SelectionUnLockTween");
    engine_->GetTween(locked ? unlockTween : lockTween)->Stop();
    // From wherever the other turn left the cursor.
    const Ref<Tween> turn = engine_->GetTween(locked ? lockTween : unlockTween);
    turn->SetValues(cursors_[i]->rotation, turn->GetEnd());
    turn->Start();
}

void CharSelStage::TogglePlayerBio(int i)
{
    if (i < 0 || i > 1 || !cards_[i]) {
        return;
    }
    if (cards_[i]->visible) {
        cards_[i]->Hide();
    } else {
        cards_[i]->Show();
    }
}

// ---- World phase ----

void CharSelStage::KeepWorldNotice()
{
    // A stale notice still closing holds nothing up here: the world phase reads input on.
    KeepNotice(*worldRoot_,
               worldSelector_->GetLockNotice(worldSelector_->GetSelectedWorld()),
               kWorldNoticeName, [](const GDO&) { return std::pair{0.0f, 0.0f}; });
}

void CharSelStage::UpdateWorld()
{
    KeepWorldNotice();
    const PlayerData* player1 = GameData::player1.get();
    if (Hit(player1, kActionLeft) || Hit(player1, kActionRight)) {
        SoundManager::PlaySFX(kSfxCursorMoved, kSfxChannelGeneral, false);
        const int step = Hit(player1, kActionLeft) ? -1 : 1;
        worldSelector_->SelectWorld(worldSelector_->GetSelectedWorld() + step);
    } else if (Hit(player1, kActionCancel)) {
        const Ref<GDO> shown = worldRoot_->GetChildByName(kWorldNoticeName);
        if (Panel* notice = AsNoticePanel(shown);
            notice && notice->IsOpen() && !IsPanelClosing(*notice, kLockNoticeClosed)) {
            notice->Close2(false, true);
            return;
        }
        // No notice, or one already on its way out: the cancel steps back a phase.
        worldPanel_->Close2(false, true);
        // The cancel goes on to the last roulette confirmed and takes that pick back.
        ParsePlayerInput(player1, GameData::Is2PMode() ? 0 : 1);
    } else if (Hit(player1, kActionStart) || Hit(player1, kActionAccept)) {
        AcceptWorld();
    }
}

void CharSelStage::AcceptWorld()
{
    const int world = worldSelector_->GetSelectedWorld();
    if (const Ref<GDO> notice = worldSelector_->GetLockNotice(world)) {
        OpenNoticeIfClosed(notice);
        return;
    }
    if (const Ref<GDO> stale = worldRoot_->GetChildByName(kWorldNoticeName); stale && stale->visible) {
        return;  // another world's notice is still on its way out
    }
    SoundManager::PlaySFX(kSfxAccept, kSfxChannelGeneral, false);
    GameData::SetCurrentWorldByIndex(world);
    for (int i = 0; i < 2; ++i) {
        PlayerData* player = (i == 0 ? GameData::player1 : GameData::player2).get();
        if (player) {
            player->characterIndex = roulettes_[i]->GetSelected();
            player->character = roulettes_[i]->GetSelectedProfile();
        }
    }
    SoundManager::PlaySFX(kSfxWorldVoiceFirst + GameData::GetCurrentWorldId(), kSfxChannelVoice, false);
    if (GameData::GetCurrentGameType() == kGameKindIdolRace || !settingsPanel_) {
        Leave(kStageMatch, kRaceStartWaitMs);
        return;
    }
    worldPanel_->Close2(false, true);
    settingsPanel_->Open(false, false, 0);
}

// ---- Match-settings phase ----

void CharSelStage::UpdateSettings()
{
    const PlayerData* player1 = GameData::player1.get();
    MatchSettings& settings = *matchSettings_;
    const auto moved = [] { SoundManager::PlaySFX(kSfxCursorMoved, kSfxChannelGeneral, false); };
    if (Hit(player1, kActionLeft)) {
        moved();
        settings.PrevValue();
    } else if (Hit(player1, kActionRight)) {
        moved();
        settings.NextValue();
    } else if (Hit(player1, kActionUp)) {
        moved();
        settings.SelectField(settings.GetSelectedField() - 1);
    } else if (Hit(player1, kActionDown)) {
        moved();
        settings.SelectField(settings.GetSelectedField() + 1);
    } else if (Hit(player1, kActionCancel)) {
        settingsPanel_->Close2(false, true);
        worldPanel_->Open(false, false, 0);
    } else if (Hit(player1, kActionStart) || Hit(player1, kActionAccept)) {
        SoundManager::PlaySFX(kSfxAccept, kSfxChannelGeneral, false);
        Leave(kStageMatch);
    }
}

}  // namespace zelka
