#pragma once

#include "engine/core/EventManager.h"
#include "engine/display/EmptyGDOContainer.h"

#include <array>
#include <vector>

namespace zelka {

class CharProfile;
class StaticImage;
class Texture;
class TweenEngine;
class TweenWithDelay;

// One player's vertical strip of character faces on the character-select screen: five
// faces around the selected roster character (the centre one), locked characters under
// chains and a padlock. A scroll slides the strip one face (120 ms wait, then 250 ms) and
// then redraws it around the new selection, so holding a direction scrolls one character
// per 370 ms. Confirming plays the character's voice line and freezes the strip.
class CharRoulette : public EmptyGDOContainer, public EventListener {
public:
    // Roulette `index` (0 left, 1 right) at (x, y): "PLAYER_ROULETTE_" + index, its scroll
    // tweens "ROULETTE_" + index + "UP" / "DOWN" in `engine`. Loads every roster
    // character's face and portrait and builds their lock notices, then selects entry 0.
    static Ref<CharRoulette> New(int index, float x, float y, const Ref<TweenEngine>& engine);

    // Selects roster entry `index` (wrapping) and redraws the five faces around it.
    void SetRoulette(int index);
    // Each false, changing nothing, while confirmed or while a scroll runs. Otherwise the
    // selection moves by +1 (up) or -1 (down), sound 2 plays on the roulette's channel
    // and the strip slides.
    bool ScrollUp();
    bool ScrollDown();
    // False when the flag has that value already, or (confirming) when the selected
    // character is locked. A confirmation plays voice 100 + 2 x id on channel 3, or the
    // character's second line when the first was the last voice played.
    bool ConfirmSelection(bool confirm);
    // The end of either scroll: the faces are redrawn and the strip returns to its base.
    void HandleEvent(Object* source, int id, Object* data) override;
    // Releases the display nodes, every texture and notice it loaded, and forgets the
    // last voice played (the second line applies only within one visit of the screen).
    void Deallocate() override;

    [[nodiscard]] int NormalizeIndex(int index) const;
    [[nodiscard]] int GetIndex() const { return index_; }
    [[nodiscard]] int GetSelected() const { return selected_; }
    [[nodiscard]] bool IsConfirmed() const { return confirmed_; }
    [[nodiscard]] bool IsScrolling() const;
    [[nodiscard]] float GetBaseY() const { return baseY_; }
    // Roster entry's lock notice; null when unlocked or outside the roster.
    [[nodiscard]] Ref<GDO> GetLockNotice(int entry) const;
    [[nodiscard]] bool IsLocked(int entry) const { return GetLockNotice(entry) != nullptr; }
    [[nodiscard]] Ref<Texture> GetPortrait(int entry) const;
    [[nodiscard]] Ref<CharProfile> GetSelectedProfile() const;
    [[nodiscard]] const Ref<StaticImage>& GetSlot(int slot) const { return slots_[slot]; }

    // The voice number of the last confirmation of any roulette; kNoVoiceAnnounced after
    // Deallocate.
    static inline int lastCharAnnounced = -1;

    CharRoulette(int index, float baseY);

private:
    struct Entry {
        Ref<Texture> face;
        Ref<Texture> portrait;
        Ref<GDO> notice;
    };

    void BuildSlots();
    bool Scroll(int step, const Ref<TweenWithDelay>& tween);

    int index_;
    int selected_ = 0;
    bool confirmed_ = false;
    float baseY_;
    std::vector<Entry> entries_;
    std::array<Ref<StaticImage>, 5> slots_;
    Ref<TweenWithDelay> up_;
    Ref<TweenWithDelay> down_;
};

}  // namespace zelka
