#pragma once

#include "engine/stage/ExtendedStage.h"

#include <array>

namespace zelka {

class CharRoulette;
class Label;
class MatchSettings;
class Panel;
class PlayerData;
class ProfileCard;
class Sprite;
class StaticImage;
class Texture;
class TweenEngine;
class WorldSelector;

// Stage 2, between the title and every match: each player picks a character on a roulette
// of faces (in a one-player mode player 1 picks his own and then the computer's), then
// player 1 picks the world and, for a versus mode, the match settings; the last acceptance
// starts the match. Cancel steps back one phase, cancel with nothing chosen returns to the
// title, and so does Escape at any time.
//
// Its nodes hang on the world root, which sits at the screen's centre: every position
// below is from the centre, y down.
class CharSelStage : public ExtendedStage {
public:
    CharSelStage();
    static Ref<CharSelStage> New();

    void LoadStep(int step) override;
    // The welcome voice (sound 300).
    void FirstStageUpdate() override;
    void Update(int ms) override;

    // One player's actions on roulette i (0 or 1): lock notice upkeep, held scrolling,
    // then the first of start (pause), accept (confirm), cancel (unconfirm or back to the
    // title), left/right (profile card). Nothing for a player without a device.
    void ParsePlayerInput(const PlayerData* player, int i);
    // Side i's portrait, name bar and card follow roulette i's selection; `downward` says
    // which way the new portrait slides in. The first call builds the side.
    void UpdateSelectedProfile(int i, bool downward);
    // Slides side i's card in when hidden, out when shown (a slide turns back mid-way).
    void TogglePlayerBio(int i);
    // Binds (pulsing) or unbinds (scale 1) side i's cursor to "cursorTween".
    void SetCursorTweenBindings(int i, bool on);

    [[nodiscard]] const Ref<CharRoulette>& GetRoulette(int i) const { return roulettes_[i]; }
    [[nodiscard]] const Ref<ProfileCard>& GetCard(int i) const { return cards_[i]; }
    [[nodiscard]] const Ref<Label>& GetNameLabel(int i) const { return names_[i]; }
    [[nodiscard]] const Ref<Label>& GetWinsLabel(int i) const { return wins_[i]; }
    [[nodiscard]] const Ref<GDO>& GetPortraits(int i) const { return portraits_[i]; }
    [[nodiscard]] const Ref<Panel>& GetWorldPanel() const { return worldPanel_; }
    [[nodiscard]] const Ref<Panel>& GetSettingsPanel() const { return settingsPanel_; }
    [[nodiscard]] const Ref<WorldSelector>& GetWorldSelector() const { return worldSelector_; }
    [[nodiscard]] const Ref<MatchSettings>& GetMatchSettings() const { return matchSettings_; }
    [[nodiscard]] const Ref<TweenEngine>& GetTweenEngine() const { return engine_; }

private:
    // Load steps.
    void SetRouletteForPlayer_(int i, const PlayerData* player);
    void BuildSide(int i);
    // A copy of the old portrait ("OTHER") slides out as the new one slides in.
    void SlidePortrait(int i, bool downward);
    void BuildLogo();
    void BuildCursors();
    void BuildPanels();
    static void PreloadSounds();
    [[nodiscard]] Ref<StaticImage> CreateCharacterProfilePic_(const Ref<Texture>& portrait,
                                                              float mirror) const;

    // Update phases.
    void UpdateCharacters();
    void UpdateOnePlayerCharacters();
    void UpdateWorld();
    void UpdateSettings();
    void KeepWorldNotice();
    void AcceptWorld();
    void ConfirmSide(int i);
    void CancelSide(const PlayerData* player, int i);
    // Side i's cursor stops pulsing and turns to its locked angle, or pulses again and turns
    // back, from wherever it stands.
    void TurnCursor(int i, bool locked);
    // Lock notice upkeep; false when a stale notice is still closing (the update ends).
    bool KeepCharacterNotice(int i);
    void Leave(int stage, int extraWaitMs = 0);

    Ref<TweenEngine> engine_;
    std::array<Ref<CharRoulette>, 2> roulettes_;
    std::array<Ref<GDO>, 2> portraits_;
    std::array<Ref<StaticImage>, 2> cursors_;
    std::array<Ref<Sprite>, 2> masks_;
    std::array<Ref<ProfileCard>, 2> cards_;
    std::array<Ref<Label>, 2> names_;
    std::array<Ref<Label>, 2> wins_;
    Ref<EmptyGDOContainer> plates_;  // name plates, win counters and cards, over the frame
    Ref<Panel> worldPanel_;
    Ref<Panel> settingsPanel_;
    Ref<WorldSelector> worldSelector_;
    Ref<MatchSettings> matchSettings_;
    bool leaving_ = false;  // a stage switch was asked for: input is over
};

}  // namespace zelka
