#pragma once

#include "engine/stage/Stage.h"

namespace zelka {

class BlinkingLabel;
class EmptyGDOContainer;
class Label;

// Stage 6: a column of roles and names scrolling up from the bottom edge, ending with a
// blinking "PRESS ANY KEY" just above the centre. Player 1 holding accept scrolls four
// times as fast; holding cancel (or Escape) leaves at once. At the end a fresh press of any
// of player 1's inputs plays sound 304 and goes back to the title.
class CreditsStage : public Stage {
public:
    CreditsStage();
    static Ref<CreditsStage> New();

    // 0 the column, 1 the end sound.
    void LoadStep(int step) override;
    // Runs on a fixed step of 1000 / update rate ms, whatever ms is.
    void Update(int ms) override;

    // One of four prefixes, by a draw of the shared generator, before `job`.
    [[nodiscard]] static String RandomAwfulJob(const String& job);

    [[nodiscard]] float GetScroll() const { return scroll_; }
    [[nodiscard]] float GetContentHeight() const { return height_; }
    // The column's top once it has stopped.
    [[nodiscard]] float GetEndScroll() const;
    [[nodiscard]] const Ref<EmptyGDOContainer>& GetContent() const { return content_; }
    [[nodiscard]] const Ref<BlinkingLabel>& GetPrompt() const { return prompt_; }

private:
    void BuildContent();
    void AddPeople();
    void AddGuests();
    Ref<Label> _MakeTitleLabel(const String& text);
    Ref<Label> _MakeSubLabel(const String& text);
    void Leave(bool withSound);

    Ref<EmptyGDOContainer> content_;
    Ref<BlinkingLabel> prompt_;
    float scroll_ = 0.0f;   // the column's top, px from the screen's centre
    float height_ = 0.0f;   // y of the last line placed
    bool leaving_ = false;
};

}  // namespace zelka
