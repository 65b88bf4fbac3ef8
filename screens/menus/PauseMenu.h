#pragma once

#include "engine/text/Label.h"
#include "screens/menus/MenuWithOptions.h"

namespace zelka {

// The menu a player calls up over a stage: resume, either player's controls, the settings,
// or leave (to the title from character select, else to character select). Both players
// drive it.
class PauseMenu : public MenuWithOptions {
public:
    static constexpr int kRowResume = 0;
    static constexpr int kRowP1Controls = 1;
    static constexpr int kRowP2Controls = 2;
    static constexpr int kRowSettings = 3;
    static constexpr int kRowLeave = 4;

    PauseMenu();
    // The last row's text follows the stage current while it is built.
    static Ref<PauseMenu> New(Ref<PlayerData> owner);

    // One of the six titles, chosen by the next value of the shared generator.
    void SetRandomTitle();
    // P2 CONTROLS is usable (and white) only while player 2 has a mapping in a listed
    // two-player game mode; otherwise it is greyed and does nothing.
    void Check2P();
    [[nodiscard]] bool IsP2RowEnabled() const { return p2Enabled_; }
    [[nodiscard]] const Ref<Label>& GetTitle() const { return title_; }

    void OkPressed(int index) override;
    void CancelPressed(int index, bool byEscape) override;

private:
    Ref<Label> title_;
    bool p2Enabled_ = false;
};

}  // namespace zelka
