#pragma once

#include "engine/ui/ArrowCursor.h"
#include "screens/menus/MenuWithOptions.h"
#include "screens/menus/OverlaidWarning.h"

namespace zelka {

// A list menu whose rows carry values changed with left and right: two arrow cursors
// frame the selected row's value, and a message box (the over-message) can be laid over
// the menu for a while. Left wins over right; either uses up the update.
class ConfigurableMenu : public MenuWithOptions {
public:
    ConfigurableMenu(float width, float height) : MenuWithOptions(width, height) {}
    // Without a cursor frame; the arrows and the closed over-message are children.
    static Ref<ConfigurableMenu> New(float width, float height, Ref<PlayerData> owner);

    // The base move, then the arrows: at the edges of the row's value label (a
    // ConfigurableOption) or of the row itself, 8 px further out, shown only where
    // ShowArrowsForOption says so.
    void MoveCursorToOption(int index) override;
    void UpdateInput() override;

    virtual bool ShowArrowsForOption(int index);
    virtual void ChangeOptionValue(int index, int delta);

    // Raises the over-message above every other child, then shows it for ms (0: until
    // closed; kOverMsgCapture: capture mode) with the text, blinking or not.
    void ShowOverMsg(const String& text, int ms, bool blink);
    void CloseOverMsg();
    [[nodiscard]] bool OverMsgVisible() const;
    [[nodiscard]] int OverMsgTimeout() const;
    void SetOverMsgText(const String& text);

    [[nodiscard]] const Ref<OverlaidWarning>& GetOverMsg() const { return overMsg_; }
    [[nodiscard]] const Ref<ArrowCursor>& GetLeftArrow() const { return leftArrow_; }
    [[nodiscard]] const Ref<ArrowCursor>& GetRightArrow() const { return rightArrow_; }

protected:
    // What New adds to a menu made by a subclass's own New.
    static void SetupConfigurable(ConfigurableMenu& menu, Ref<PlayerData> owner);

private:
    Ref<ArrowCursor> leftArrow_;
    Ref<ArrowCursor> rightArrow_;
    Ref<OverlaidWarning> overMsg_;
};

}  // namespace zelka
