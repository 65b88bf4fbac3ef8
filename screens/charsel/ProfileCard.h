#pragma once

#include "engine/core/EventManager.h"
#include "engine/display/RectangleGDO.h"
#include "platform/core/Text.h"

namespace zelka {

class CharProfile;
class Label;
class Tween;
class TweenEngine;

// The character sheet that slides in from a screen edge over a player's portrait: name,
// nicknames, job and biography of the roster profile, or question marks for a locked
// character. A black 200 x 360 card resting flush with its edge (x = side x 220) and
// sliding 200 px outward to hide (x = side x 420). It is visible from the start of its
// in-slide to the end of its out-slide; a slide asked for mid-way turns back from where
// the card is.
class ProfileCard : public RectangleGDO, public EventListener {
public:
    // side: kCardSideLeft (-1) or kCardSideRight (+1). The two slides are added to
    // `engine` as name + "_bio_in" and name + "_bio_out". Starts hidden at rest.
    static Ref<ProfileCard> New(const Ref<TweenEngine>& engine, const String& name, int side);

    // Null (a locked character) shows "???????????" in all four fields.
    void SetToCharacter(const CharProfile* profile);
    // Slides in; turns back a running slide-out; nothing while sliding in.
    void Show();
    // Slides out; turns back a running slide-in; nothing while hidden or sliding out.
    void Hide();
    // The in-slide's start shows the card; the out-slide's end hides it.
    void HandleEvent(Object* source, int id, Object* data) override;

    [[nodiscard]] int GetSide() const { return side_; }
    [[nodiscard]] float GetRestX() const { return restX_; }
    [[nodiscard]] const Ref<Tween>& GetInTween() const { return in_; }
    [[nodiscard]] const Ref<Tween>& GetOutTween() const { return out_; }

    ProfileCard(int side, float restX);

private:
    void BuildContent();
    // Runs `tween` from `from` to its end; when that would not move (from == end) the
    // card is put where the slide would have left it, since no event will come.
    void Slide(Tween& tween, float from, bool showing);

    int side_;
    float restX_;
    Ref<Tween> in_;
    Ref<Tween> out_;
    Ref<Label> name_;
    Ref<Label> nicknames_;
    Ref<Label> job_;
    Ref<Label> bio_;
};

}  // namespace zelka
