#pragma once

#include "engine/core/EventManager.h"
#include "engine/stage/ExtendedStage.h"

#include <array>
#include <functional>
#include <vector>

namespace zelka {

class ArrowCursor;
class BlinkingLabel;
class HowToPlay;
class Label;
class OptionInterface;
class Panel;
class ParticleEmitter;
class ParticleEngine;
class TweenEngine;

// Stage 3, the hub: the animated logo with its fire and sparkles, a blinking "PRESS ANY
// KEY" until player 1 takes a device, then a menu that shows one option at a time (the
// game modes; controls, settings, how to play, player stats; credits; exit). Fifteen
// seconds without any key while the prompt blinks start the attract mode (stage 1).
class TitleStage : public ExtendedStage, public EventListener {
public:
    TitleStage();
    static Ref<TitleStage> New();

    void LoadStep(int step) override;
    void Update(int ms) override;
    // Only the end of the label slide (id 600) matters.
    void HandleEvent(Object* source, int id, Object* data) override;

    // index wraps around the options; direction -1 slides the new name in from the left,
    // +1 from the right, 0 not at all.
    void SetSelOption(int index, int direction);
    // The current option's name into "OPTION_LABEL1" and the arrows around it.
    void RefreshCurrentOption(bool hideCursors);
    // An accepted entry: a game-mode entry or one of the title codes.
    void DoOption(const OptionInterface* option);
    void ShowHowToPlay(int delayMs);
    // One fire particle from (x, y) in the logo's frame; two draws of the shared generator.
    void EmitFire(float x, float y);
    // The title has no pause menu.
    void ShowPauseMenu() override {}
    void FirstStageUpdate() override {}

    // What ends the process after both files are saved (tests replace it).
    using EndAction = std::function<void()>;
    void SetEndAction(EndAction action) { end_ = std::move(action); }

    [[nodiscard]] int GetCurrentOption() const { return current_; }
    [[nodiscard]] int GetIdleTime() const { return idle_; }
    [[nodiscard]] int GetOptionCount() const { return static_cast<int>(options_.size()); }
    [[nodiscard]] const Ref<OptionInterface>& GetOption(int index) const { return options_[index]; }
    [[nodiscard]] const Ref<Panel>& GetStatsPanel() const { return statsPanel_; }
    [[nodiscard]] const Ref<Panel>& GetHowToPlayPanel() const { return htpPanel_; }
    [[nodiscard]] const Ref<HowToPlay>& GetHowToPlay() const { return htp_; }
    [[nodiscard]] const Ref<Label>& GetVersionLabel() const { return version_; }
    [[nodiscard]] const Ref<TweenEngine>& GetTweenEngine() const { return tweens_; }

private:
    void BuildBackground();
    void BuildLogo();
    void BuildLogoTweens();
    void BuildFire();
    void BuildOverlayArt();
    void BuildOptions();
    void BuildMenu();
    void BuildStatsPanel();

    void UpdateFire(int ms);
    // True when the attract mode started.
    bool UpdateIdle(int ms);
    // True when this update ends here (the menu has just come up).
    bool UpdatePromptOrMenu();
    // True while the how-to-play panel keeps the menu waiting.
    bool UpdateHowToPlay();
    void UpdateMenuInput();
    void StartAttractMode();
    void ShowArrows();
    void Quit();
    void GoTo(int stageId);
    Ref<EventListener> Self();

    int fireTimer_ = 0;   // ms since the last fire
    int current_ = 0;     // index into options_; -1 just before the menu first shows
    int previous_ = -1;   // the option shown before the last change, -1 for none
    int idle_ = 0;        // ms since the last key of any device
    bool leaving_ = false;

    Ref<GDO> logo_;
    Ref<TweenEngine> tweens_;
    Ref<ParticleEngine> particles_;
    Ref<ParticleEmitter> fire_;
    Ref<BlinkingLabel> prompt_;
    Ref<Label> version_;
    std::vector<Ref<OptionInterface>> options_;
    Ref<GDO> menu_;
    Ref<Label> label1_;
    Ref<Label> label2_;
    std::array<Ref<ArrowCursor>, 4> cursors_;
    Ref<Panel> statsPanel_;
    Ref<Panel> htpPanel_;
    Ref<HowToPlay> htp_;
    EndAction end_;
};

}  // namespace zelka
