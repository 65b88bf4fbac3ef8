#pragma once

#include "engine/text/Label.h"
#include "engine/ui/UIRectangleBar.h"
#include "screens/menus/ConfigurableMenu.h"

namespace zelka {

// Resolution, full screen and the two volumes, for either player. Volumes apply at once;
// the video mode applies on APPLY and must then be confirmed within ten seconds, or the
// cancel puts back what was there at APPLY (the time-out keeps the new one). Leaving
// restores the volumes last kept by APPLY (those found at opening before that) and writes
// the settings file.
class SettingsMenu : public ConfigurableMenu {
public:
    static constexpr int kRowResolution = 0;
    static constexpr int kRowFullScreen = 1;
    static constexpr int kRowMusic = 2;
    static constexpr int kRowEffects = 3;
    static constexpr int kRowApply = 4;
    static constexpr int kRowBack = 5;

    SettingsMenu();
    static Ref<SettingsMenu> New(Ref<PlayerData> owner);

    // Takes the volumes and the video state as they are now; cursor to the first row.
    void Reset();
    // Out of range does nothing; a windowed-only mode turns the full-screen bar off.
    void SelectResolution(int index);

    bool ShowArrowsForOption(int index) override;
    int CheckBeforeOptionChange(int from, int to) override;
    void ChangeOptionValue(int index, int delta) override;
    void OkPressed(int index) override;
    void CancelPressed(int index, bool byEscape) override;
    void Update(int ms) override;

    [[nodiscard]] int GetSelectedResolution() const { return selectedResolution_; }
    [[nodiscard]] bool IsVideoChangePending() const { return videoChangePending_; }
    [[nodiscard]] const Ref<Label>& GetResolutionLabel() const { return resolutionLabel_; }
    [[nodiscard]] const Ref<Label>& GetBackLabel() const { return backLabel_; }
    [[nodiscard]] const Ref<UIRectangleBar>& GetMusicBar() const { return musicBar_; }
    [[nodiscard]] const Ref<UIRectangleBar>& GetEffectsBar() const { return effectsBar_; }
    [[nodiscard]] const Ref<UIRectangleBar>& GetFullScreenBar() const { return fullScreenBar_; }

private:
    void Apply();
    void RevertVideo();
    void ShowVideoInUse();  // the resolution row and the full-screen bar
    void CloseThisDialog();
    void RefreshOverMsgTimeOutText();
    void RefreshBackText();
    [[nodiscard]] bool SelectedIsWindowedOnly() const;

    int savedMusic_ = 0;   // 0-100: what leaving restores
    int savedEffects_ = 0;
    int selectedResolution_ = 0;  // index into GameData::videoModes; -1 after a revert to a
                                  // window of a size in no entry
    bool videoChangePending_ = false;
    // What a cancel after APPLY restores. The window size too: a window whose size is
    // in no list entry (index -1) would otherwise come back at the desktop size.
    int previousMode_ = -1;
    bool previousFullScreen_ = false;
    int previousWidth_ = 0;
    int previousHeight_ = 0;

    Ref<Label> resolutionLabel_;
    Ref<Label> backLabel_;
    Ref<UIRectangleBar> musicBar_;
    Ref<UIRectangleBar> effectsBar_;
    Ref<UIRectangleBar> fullScreenBar_;  // 0 or 100
};

}  // namespace zelka
