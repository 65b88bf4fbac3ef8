#pragma once

#include "engine/core/RGB.h"
#include "engine/display/EmptyGDOContainer.h"
#include "platform/core/Text.h"

#include <array>

namespace zelka {

class Label;
class PlayerData;
class PlayerProfilePic;
class TopBarSource;

// The match's top bar: both faces and names, the two scores (catching up with the real
// scores one point per refresh, or in a race each player's distance to the idol, under
// "GOAL") and the clock "mm:ss", which blinks and ticks over the last six seconds.
class TopBar : public EmptyGDOContainer {
public:
    // The match source may be null: the bar then shows its starting texts. It must outlive
    // the bar. Either player may be null (no face, no name).
    static Ref<TopBar> New(const TopBarSource* match, const Ref<PlayerData>& player1,
                           const Ref<PlayerData>& player2);

    void Update(int ms) override;
    // The clock from the match's remaining time.
    void UpdateTime();
    // "007", "042", "123", "1234".
    static void SetScoreLabel(Label& label, int value);
    // Single-line name label, alignment -1 left, 0 centre, 1 right.
    static Ref<Label> CreateNameLabel(const String& text, int alignment);
    static Ref<Label> CreateScoreLabel(const RGB& color, int alignment);

    Ref<PlayerProfilePic> GetP1ProfilePic() const;
    Ref<PlayerProfilePic> GetP2ProfilePic() const;
    const Ref<Label>& GetScoreLabel(int player) const { return scoreLabels_[player == 2 ? 1 : 0]; }
    const Ref<Label>& GetTimeLabel() const { return timeLabel_; }
    int GetShownScore(int player) const { return shownScores_[player == 2 ? 1 : 0]; }

private:
    void RefreshScores();

    const TopBarSource* match_ = nullptr;
    std::array<Ref<Label>, 2> scoreLabels_;
    Ref<Label> timeLabel_;
    std::array<int, 2> shownScores_{};
    int lastSecond_ = -1;   // none shown yet
    int accumulator_ = 0;   // ms since the last score refresh
};

}  // namespace zelka
