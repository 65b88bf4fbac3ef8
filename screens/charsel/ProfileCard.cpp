#include "screens/charsel/ProfileCard.h"

#include "engine/text/Label.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "services/data/GameData.h"
#include "services/roster/CharProfile.h"
#include "screens/charsel/CharSelConstants.h"

namespace zelka {

namespace {

constexpr float kSlidIn = 0.0f;    // tween value at rest
constexpr float kSlidOut = 1.0f;   // tween value one card width past the edge
const String kUnknownText = U"<UNKNOWN>";
const String kLockedText = U"???????????";
const RGB kNameColour{255, 220, 0};

struct Field {
    const char32_t* title;
    float titleY;
    float valueY;
    int lines;
};

// Titles and their values, y from the card's centre.
constexpr Field kName{U"NAME", -160.0f, -140.0f, 1};
constexpr Field kNicknames{U"NICKNAMES", -110.0f, -80.0f, 2};
constexpr Field kJob{U"JOB", -38.0f, -6.0f, 2};
constexpr Field kBio{U"BIO", 36.0f, 110.0f, 6};

Ref<Label> NewTitle(GDO& parent, const Field& field)
{
    const Ref<LabelWithShadow> title = LabelWithShadow::New(GameData::stdFont, kCardTitleScale);
    title->SetStyle(kLabelSingleLine);
    title->SetSize(kCardTextWidth, kCardTitleHeight);
    title->horizontalAlignment = kAlignStart;
    title->SetText(field.title);
    parent.AddChild2(title, 0.0f, field.titleY);
    return title;
}

// One line: shrink-to-fit at scale 1; several: wrapped half-width glyphs, top-aligned.
Ref<Label> NewValue(GDO& parent, const Field& field, const String& name)
{
    const int lines = field.lines > 0 ? field.lines : 1;
    const Ref<Label> value = Label::New(GameData::secFont, 1.0f);
    value->name = name;
    value->horizontalAlignment = kAlignStart;
    if (lines == 1) {
        value->SetStyle(kLabelShrinkToFit);
    } else {
        value->SetStyle(kLabelWrap);
        value->SetFontScale(kCardWrapScaleX, 1.0f);
        value->verticalAlignment = kAlignStart;
    }
    value->SetSize(kCardTextWidth, kCardLineHeight * static_cast<float>(lines));
    value->SetText(kUnknownText);
    parent.AddChild2(value, 0.0f, field.valueY);
    return value;
}

}  // namespace

ProfileCard::ProfileCard(int side, float restX)
    : RectangleGDO(kCardWidth, kCardHeight, false), side_(side), restX_(restX)
{
}

Ref<ProfileCard> ProfileCard::New(const Ref<TweenEngine>& engine, const String& name, int side)
{
    side = side < 0 ? kCardSideLeft : kCardSideRight;
    const float restX = static_cast<float>(side) * (kCharSelHalfWidth - kCardWidth / 2);
    auto card = std::make_shared<ProfileCard>(side, restX);
    card->name = name;
    card->tint = RGB(0, 0, 0);
    card->position->Set(restX, 0.0f);
    card->visible = false;
    card->BuildContent();

    card->in_ = Tween::New(LinearEase::New(), kSlidOut, kSlidIn, kCardSlideMs, false, false);
    card->out_ = Tween::New(LinearEase::New(), kSlidIn, kSlidOut, kCardSlideMs, false, false);
    const float travel = static_cast<float>(side) * kCardWidth;
    for (const auto& [tween, suffix] : {std::pair{card->in_, U"_bio_in"}, std::pair{card->out_, U"_bio_out"}}) {
        tween->SetEvents(true);
        const String tweenName = name + suffix;
        engine->AddTween(tween, tweenName);
        engine->AddTweenBinding(tweenName, card, U"position.x", travel, restX);
    }
    EventManager::RegisterListener(card, card->in_, kEventTweenStarted);
    EventManager::RegisterListener(card, card->out_, kEventTweenRunEnded);
    return card;
}

void ProfileCard::BuildContent()
{
    if (!GameData::stdFont || !GameData::secFont) {
        return;
    }
    const Ref<EmptyGDOContainer> content = EmptyGDOContainer::New();
    content->name = U"CONTENT";
    AddChild(content);
    for (const Field* field : {&kName, &kNicknames, &kJob, &kBio}) {
        NewTitle(*content, *field);
    }
    name_ = NewValue(*content, kName, U"CHAR_NAME");
    name_->tint = kNameColour;
    nicknames_ = NewValue(*content, kNicknames, U"CHAR_NICKNAMES");
    job_ = NewValue(*content, kJob, U"CHAR_JOB");
    bio_ = NewValue(*content, kBio, U"CHAR_BIO");
}

void ProfileCard::SetToCharacter(const CharProfile* profile)
{
    if (!name_) {
        return;
    }
    name_->SetText(profile ? profile->GetName() : kLockedText);
    nicknames_->SetText(profile ? profile->GetNicknames() : kLockedText);
    job_->SetText(profile ? profile->GetJob() : kLockedText);
    bio_->SetText(profile ? profile->GetBio() : kLockedText);
}

void ProfileCard::Show()
{
    if (in_->IsPlaying()) {
        return;
    }
    if (out_->IsPlaying()) {
        out_->Stop();
        Slide(*in_, out_->GetValue(), true);
        return;
    }
    Slide(*in_, kSlidOut, true);
}

void ProfileCard::Hide()
{
    if (!visible || out_->IsPlaying()) {
        return;
    }
    if (in_->IsPlaying()) {
        in_->Stop();
        Slide(*out_, in_->GetValue(), false);
        return;
    }
    Slide(*out_, kSlidIn, false);
}

void ProfileCard::Slide(Tween& tween, float from, bool showing)
{
    const float to = showing ? kSlidIn : kSlidOut;
    // Placed at the slide's start now: the engine writes x only at its next update, and a
    // card shown from its rest x would flash there for a frame.
    position->x = restX_ + from * static_cast<float>(side_) * kCardWidth;
    tween.SetValues(from, to);
    tween.Start();
    if (from == to) {
        visible = showing;
    }
}

void ProfileCard::HandleEvent(Object* source, int id, Object* /*data*/)
{
    if (source == in_.get() && id == kEventTweenStarted) {
        visible = true;
    } else if (source == out_.get() && id == kEventTweenRunEnded) {
        visible = false;
    }
}

}  // namespace zelka
