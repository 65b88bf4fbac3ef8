#pragma once

#include "screens/menus/MenuWithOptions.h"

#include <array>

namespace zelka {

class Font;

// The one-page guide to the controls over the title: what moves, accepts, cancels, pauses
// and picks items, naming the keys of player 1's mapping as they are when the page is
// built, and two choices. "GOT IT!" (or cancel) closes it with result 0, "LET ME CHANGE
// IT!" with result 1 (the title then opens player 1's controls).
class HowToPlay : public MenuWithOptions {
public:
    HowToPlay();
    static Ref<HowToPlay> New();

    void OkPressed(int index) override;
    void CancelPressed(int index, bool byEscape) override;

    // 0 "GOT IT!" or cancel, 1 "LET ME CHANGE IT!"; 0 until closed.
    [[nodiscard]] int GetResult() const { return result_; }

private:
    void BuildPage();
    void BuildKeyTexts();
    // A shrink-to-fit label in box (x, y, w, h) from the page's top-left corner, its font
    // scale the box height over the font's line height.
    Ref<Label> MakeText(const Ref<Font>& font, const String& text, const std::array<float, 4>& box,
                        int alignment);
    Ref<Label> AddText(const Ref<Font>& font, const String& text, const std::array<float, 4>& box,
                       int alignment);

    int result_ = 0;
};

}  // namespace zelka
