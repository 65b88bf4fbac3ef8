#pragma once

#include "engine/stage/ExtendedStage.h"

namespace zelka {

class GDO;

// Seams for the screens still to come: each stage identifier gets a placeholder that
// shows its screen's name and moves on along the flow (5 -> 7 -> 3; title -> 2 -> 1 -> 4
// -> 2; credits -> 3). The title placeholder waits for a key (Escape there quits, as the
// title's exit does); Escape on any other goes back to the title; start on character
// select or the match opens the pause menu, as those screens do. A later screen replaces
// exactly one of them through ZELKA::SetStageBuilder.

// The placeholder's behaviour, shared by the plain and the extended kind: a cog, so it
// stands still whenever the stage does (an open panel, an update used up by giving a
// player a device).
class PlaceholderFlow : public Cog {
public:
    explicit PlaceholderFlow(int id);

    // The screen's name as shown, e.g. "TITLE (3)".
    [[nodiscard]] const String& Name() const { return name_; }
    // The identifier it moves on to.
    [[nodiscard]] int NextStage() const;
    // ms shown before moving on; 0 waits for a key.
    [[nodiscard]] int ShowTimeMs() const;
    // Adds the name label to the world root (nothing without the game's fonts).
    void Build(GDO& worldRoot) const;
    // Counts ms, reads the keys and asks the game to move on (once).
    void Update(int ms) override;

private:
    // Character select and the match: start opens the pause menu (true when it did).
    bool PausedByStart() const;

    int id_;
    String name_;
    int elapsed_ = 0;
    bool leaving_ = false;
};

// Plain placeholder (intros, credits).
class PlaceholderStage : public Stage {
public:
    PlaceholderStage(int id, int loadSteps);
    void LoadStep(int step) override;
    [[nodiscard]] const PlaceholderFlow& Flow() const { return *flow_; }

private:
    Ref<PlaceholderFlow> flow_;
};

// Placeholder with the overlay (match, character select, title).
class PlaceholderExtendedStage : public ExtendedStage {
public:
    PlaceholderExtendedStage(int id, int loadSteps);
    void LoadStep(int step) override;
    [[nodiscard]] const PlaceholderFlow& Flow() const { return *flow_; }

private:
    Ref<PlaceholderFlow> flow_;
};

// The placeholder for a stage identifier with that screen's load-step count and kind;
// null for an identifier outside 1..7 and for character select (2), which is built.
[[nodiscard]] Ref<Stage> NewPlaceholderStage(int id);

}  // namespace zelka
