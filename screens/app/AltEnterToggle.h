#pragma once

namespace zelka {

// The key state an update reads (the framework's input device in the game, fakes in tests).
class KeyStateSource {
public:
    virtual ~KeyStateSource() = default;
    [[nodiscard]] virtual bool KeyDown(int code) const = 0;
    [[nodiscard]] virtual int KeyHit(int code) const = 0;  // presses in this update
};

// Alt+Enter with either Alt key toggles full screen once both keys are up again. The
// update in which Enter is hit and the one that finds both keys released are taken by
// the toggle (the game does not update in them); the updates in between run normally.
class AltEnterToggle {
public:
    enum class Step {
        Run,            // no toggle business in this update: the game updates
        Skip,           // Enter hit with Alt held: the game does not update
        SkipAndToggle,  // both keys released: toggle (unless blocked), no game update
    };

    Step Update(const KeyStateSource& keys);
    // Forgets a pending press (the window lost the focus: its key-ups may never come).
    void Reset() { rememberedAlt_ = kNone; }
    // kKeyLeftAlt, kKeyRightAlt, or -1 while no press is pending.
    [[nodiscard]] int RememberedAlt() const { return rememberedAlt_; }

private:
    static constexpr int kNone = -1;
    int rememberedAlt_ = kNone;
};

}  // namespace zelka
