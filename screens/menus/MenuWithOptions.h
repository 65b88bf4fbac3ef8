#pragma once

#include "engine/display/RectangleGDO.h"
#include "engine/ui/Cursor.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

class InputProvider;
class Label;
class Panel;
class PlayerData;

// A list menu: a filled rectangle (in its tint) holding a column of option nodes and a
// cursor that slides onto the selected one. One player's mapping drives it, or either
// player's when it has no owner. Subclasses act through the hooks below.
//
// Input, once per update while input is active: up (else down) moves the cursor, wrapping
// at both ends, with effect 16 unless CheckBeforeOptionChange refuses; otherwise accept or
// start calls OkPressed; otherwise cancel plays effect 0 and calls CancelPressed(i, false);
// otherwise Escape on the keyboard calls CancelPressed(i, true) silently.
class MenuWithOptions : public RectangleGDO {
public:
    MenuWithOptions(float width, float height);
    // owner null: both players. cursorFrame null: a 0 x 0 grey frame. Preloads effects
    // 0 and 16.
    static Ref<MenuWithOptions> New(float width, float height, Ref<PlayerData> owner,
                                    Ref<RectangleGDO> cursorFrame);

    // Appends node to the options and the children at (x, y); returns it.
    Ref<GDO> AddOption(Ref<GDO> node, float x, float y);
    // node takes the old option's place among the options and the children and its
    // position; the old one is detached. A cursor sliding to the old node slides on to
    // the new one. An index outside the list does nothing.
    void ReplaceOption(int index, Ref<GDO> node);
    [[nodiscard]] Ref<GDO> GetOption(int index) const;  // null outside the list
    [[nodiscard]] int GetOptionCount() const { return static_cast<int>(options_.size()); }
    [[nodiscard]] int GetSelectedOption() const { return selected_; }
    // index modulo the option count, never negative; 0 when there are no options.
    [[nodiscard]] int NormalizeOptionIndex(int index) const;
    // The owner's mapping, the both-players input without an owner, null when the owner
    // has no mapping (or a provider set by UseInputProvider).
    [[nodiscard]] const InputProvider* GetInputProvider() const;
    // Test seam: this provider replaces the players' input (null goes back to them).
    void UseInputProvider(const InputProvider* provider) { providerOverride_ = provider; }

    // A label in the secondary font for a row: single line, alignment -1 / 0 / 1, font
    // scale 0.8 x 1, box width x 22 where a width below 1 means the menu's width - 10.
    [[nodiscard]] Ref<Label> CreateLabelForOption(const String& text, int alignment,
                                                  float width) const;

    [[nodiscard]] const Ref<PlayerData>& GetOwner() const { return owner_; }
    [[nodiscard]] const Ref<Cursor>& GetCursor() const { return cursor_; }

    // Only while enabled: the children, then the input while it is active.
    void Update(int ms) override;

    // The cursor slides from where it stands to the option (index wrapped) and the index
    // is selected. Nothing without options.
    virtual void MoveCursorToOption(int index);
    // Nonzero refuses the move from `from` to `to`.
    virtual int CheckBeforeOptionChange(int from, int to);
    virtual void OkPressed(int index);
    // byEscape: Escape on the keyboard (silent) rather than the cancel action.
    virtual void CancelPressed(int index, bool byEscape);
    virtual void UpdateInput();

    bool inputActive = true;

protected:
    // What New does, for a subclass made by its own New.
    static void SetupMenu(MenuWithOptions& menu, Ref<PlayerData> owner,
                          Ref<RectangleGDO> cursorFrame);
    // The menu's parent when it is a Panel, else null.
    [[nodiscard]] Panel* EnclosingPanel() const;
    // Closes the enclosing panel, animated and with its sound; nothing without one.
    void CloseEnclosingPanel() const;
    // The shadowed "EXIT" row of the controls menus: secondary font, single line, aligned
    // to its end, font scale 0.8 x 1, box width x 22.
    [[nodiscard]] static Ref<Label> CreateExitLabel(float width);

    Ref<PlayerData> owner_;
    Ref<Cursor> cursor_;

private:
    std::vector<Ref<GDO>> options_;
    int selected_ = 0;
    const InputProvider* providerOverride_ = nullptr;
};

}  // namespace zelka
