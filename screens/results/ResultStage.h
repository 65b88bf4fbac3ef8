#pragma once

#include "engine/core/EventManager.h"
#include "engine/core/RGB.h"
#include "engine/stage/Stage.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

class EmbossFont;
class Font;
class GDO;
class IncrementalIntLabel;
class Label;
class PlayerData;
class RetroFontWithShadow;
class StaticImage;
class Timer;
class TweenEngine;

// Match outcomes, by the two players' scores.
inline constexpr int kResultDraw = 0;
inline constexpr int kResultPlayer1Won = 1;
inline constexpr int kResultPlayer2Won = 2;

// The results screen (stage 4) after a match that humans played. It records the match in
// the statistics, shows both characters' win or lose portraits, reveals each player's
// counts row by row, counts the scores up, greys the loser's panel, scrolls towards the
// winner and lets the winner speak a victory quote; a draw instead shows one combined
// panel and brings the portraits together. Player 1's accept, cancel or Escape speeds the
// show up and, once it is done, goes on to character select. It reads both players'
// PlayerData and the game data's current mode; it has no overlay.
class ResultStage : public Stage, public EventListener {
public:
    ResultStage();
    // Five load steps.
    static Ref<ResultStage> New();

    void LoadStep(int step) override;
    void Update(int ms) override;
    void HandleEvent(Object* source, int id, Object* data) override;
    // Stops the counting sound before the stage's effects are released.
    void Deallocate() override;

    // ---- Label builders (the fonts must be loaded).
    // Secondary font, single line, centred, font scale 1.5; tinted when a colour is given.
    static Ref<Label> TitleLabel(const String& text, const RGB* colour);
    static Ref<Label> StaticLabel(const String& text, float width, float height,
                                  const Ref<Font>& font, int alignment, float scale);
    // Shows "0" and counts up to target once updated.
    static Ref<IncrementalIntLabel> ScoreLabel(int target, float width, float height,
                                               const Ref<Font>& font, int alignment,
                                               float scale);
    // Every Label child of node is drawn in `font` and tinted (135, 52, 45).
    static void DisableChildLabels(GDO& node, const Ref<Font>& font);

    // 600 + 10 x id + quote; -1 for the guests (ids 4-6) and for a missing quote (-1).
    [[nodiscard]] static int VoiceNumber(int characterId, int quote);

    // ---- State for the application and tests.
    [[nodiscard]] bool IsDone() const { return done_; }
    [[nodiscard]] int GetOutcome() const { return outcome_; }
    [[nodiscard]] int GetVoice() const { return voice_; }
    [[nodiscard]] const Ref<IncrementalIntLabel>& GetScoreLabel(int player) const;
    [[nodiscard]] const Ref<StaticImage>& GetDialog() const { return dialog_; }
    [[nodiscard]] const Ref<TweenEngine>& GetTweenEngine() const { return tweens_; }

private:
    void BuildBackground();
    void RecordStatistics() const;
    void LoadFonts();
    void BuildTitlesAndPanels();
    void AddTimer(const String& name, int ms, Ref<Object> data = nullptr);
    void BuildTweens();
    void BuildDialog(float side);
    void BuildShineTweens();
    void PreloadSounds();

    void OnTimer(Timer& timer);
    void AddRow(GDO& panel, const String& name, const Ref<Font>& font, float y, int count);
    void AddRows(const String& name, const Ref<Font>& font, float y, int count1, int count2);
    void AddDrawRow(const String& name, const Ref<Font>& font, float y, int count1, int count2);
    void AddScores();
    void OnScoreCounted(const IncrementalIntLabel& label);
    void PlaceShines(IncrementalIntLabel& label);
    void OnTweenEnded(const String& name);
    void StartTween(const String& name) const;
    [[nodiscard]] bool LeaveHit() const;
    [[nodiscard]] Ref<EventListener> Self();

    bool done_ = false;
    bool leaving_ = false;   // character select has been asked for
    int outcome_ = kResultDraw;
    int voice_ = -1;
    Ref<PlayerData> player1_;
    Ref<PlayerData> player2_;
    Ref<EmbossFont> loserFont_;
    Ref<RetroFontWithShadow> blueFont_;
    Ref<RetroFontWithShadow> amberFont_;
    Ref<RetroFontWithShadow> redFont_;
    Ref<RetroFontWithShadow> goldFont_;
    Ref<TweenEngine> tweens_;
    Ref<GDO> shines_;         // only with a winner
    Ref<GDO> p1Panel_;
    Ref<GDO> p2Panel_;        // none on a draw
    Ref<IncrementalIntLabel> p1Score_;
    Ref<IncrementalIntLabel> p2Score_;
    Ref<StaticImage> dialog_; // none on a draw
};

}  // namespace zelka
