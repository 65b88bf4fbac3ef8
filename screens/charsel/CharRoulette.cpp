#include "screens/charsel/CharRoulette.h"

#include "engine/audio/SoundManager.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/LockNotice.h"
#include "screens/charsel/WrapIndex.h"

#include <string>

namespace zelka {

namespace {

String Numbered(const char32_t* prefix, int n, const char32_t* suffix = U"")
{
    return String(prefix) + FromLatin1(std::to_string(n)) + suffix;
}

Ref<StaticImage> NewLockMark()
{
    const Ref<StaticImage> chains = StaticImage::New(Texture::GetTexture(U"chains.png"));
    chains->name = U"LOCK";
    chains->AddChild(StaticImage::New(Texture::GetTexture(U"padlock.png")));
    chains->visible = false;
    return chains;
}

}  // namespace

CharRoulette::CharRoulette(int index, float baseY) : index_(index), baseY_(baseY) {}

Ref<CharRoulette> CharRoulette::New(int index, float x, float y, const Ref<TweenEngine>& engine)
{
    auto roulette = std::make_shared<CharRoulette>(index, y);
    roulette->name = Numbered(U"PLAYER_ROULETTE_", index);
    roulette->position->Set(x, y);
    for (int k = 0; k < Roster::GetTotalCharacters(); ++k) {
        const Ref<CharProfile> profile = Roster::GetCharacterByIndex(k);
        roulette->entries_.push_back({Texture::GetTexture(profile->GetImgPath(kImgFace)),
                                      Texture::GetTexture(profile->GetImgPath(kImgPortrait)),
                                      NewLockNotice(profile->GetLock())});
    }
    roulette->BuildSlots();

    const auto makeTween = [&](float to, const char32_t* suffix) {
        const Ref<TweenWithDelay> tween = TweenWithDelay::New(
            CubicEaseIn::New(), y, y + to, kRouletteScrollMs, kRouletteScrollDelayMs, false, false);
        const String tweenName = Numbered(U"ROULETTE_", index, suffix);
        engine->AddTween(tween, tweenName);
        engine->AddTweenBinding(tweenName, roulette, U"position.y", 1.0f, 0.0f);
        return tween;
    };
    roulette->up_ = makeTween(-kRouletteSlotStep, U"UP");
    roulette->down_ = makeTween(kRouletteSlotStep, U"DOWN");
    EventManager::RegisterListener(roulette, engine, kEventTweenEngineStopped);
    roulette->SetRoulette(0);
    return roulette;
}

void CharRoulette::BuildSlots()
{
    for (int k = 0; k < kRouletteSlots; ++k) {
        const Ref<StaticImage> slot = StaticImage::New2();
        slot->AddChild(NewLockMark());
        AddChild2(slot, 0.0f, kRouletteSlotStep * static_cast<float>(k - kRouletteCentreSlot));
        slots_[k] = slot;
    }
}

int CharRoulette::NormalizeIndex(int index) const
{
    return WrapIndex(index, static_cast<int>(entries_.size()));
}

void CharRoulette::SetRoulette(int index)
{
    selected_ = NormalizeIndex(index);
    if (entries_.empty()) {
        return;
    }
    for (int k = 0; k < kRouletteSlots; ++k) {
        const int entry = NormalizeIndex(selected_ + k - kRouletteCentreSlot);
        slots_[k]->SetTexture(entries_[entry].face);
        if (const Ref<GDO> lock = slots_[k]->GetChildByName(U"LOCK")) {
            lock->visible = IsLocked(entry);
        }
    }
}

bool CharRoulette::IsScrolling() const
{
    return up_->IsPlaying() || down_->IsPlaying();
}

bool CharRoulette::ScrollUp() { return Scroll(1, up_); }

bool CharRoulette::ScrollDown() { return Scroll(-1, down_); }

bool CharRoulette::Scroll(int step, const Ref<TweenWithDelay>& tween)
{
    if (confirmed_ || IsScrolling() || entries_.empty()) {
        return false;
    }
    selected_ = NormalizeIndex(selected_ + step);
    SoundManager::PlaySFX(kSfxRouletteStep, index_, false);
    tween->Start();
    return true;
}

void CharRoulette::HandleEvent(Object* /*source*/, int /*id*/, Object* data)
{
    const auto* entry = dynamic_cast<const TweenEntry*>(data);
    if (entry == nullptr || (entry->tween != up_ && entry->tween != down_)) {
        return;
    }
    SetRoulette(selected_);
    position->y = baseY_;
}

bool CharRoulette::ConfirmSelection(bool confirm)
{
    if (confirmed_ == confirm) {
        return false;
    }
    if (confirm) {
        const Ref<CharProfile> profile = GetSelectedProfile();
        if (!profile || IsLocked(selected_)) {
            return false;
        }
        int voice = kVoiceFirst + 2 * profile->GetId();
        if (voice == lastCharAnnounced) {
            ++voice;
        }
        SoundManager::PlaySFX(voice, kSfxChannelVoice, false);
        lastCharAnnounced = voice;
    }
    confirmed_ = confirm;
    return true;
}

void CharRoulette::Deallocate()
{
    EmptyGDOContainer::Deallocate();
    for (Entry& entry : entries_) {
        for (const Ref<Texture>& texture : {entry.face, entry.portrait}) {
            if (texture) {
                texture->Deallocate();
            }
        }
        if (entry.notice) {
            entry.notice->Deallocate();
        }
    }
    entries_.clear();
    for (Ref<StaticImage>& slot : slots_) {
        slot.reset();
    }
    lastCharAnnounced = kNoVoiceAnnounced;
}

Ref<GDO> CharRoulette::GetLockNotice(int entry) const
{
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) {
        return nullptr;
    }
    return entries_[entry].notice;
}

Ref<Texture> CharRoulette::GetPortrait(int entry) const
{
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) {
        return nullptr;
    }
    return entries_[entry].portrait;
}

Ref<CharProfile> CharRoulette::GetSelectedProfile() const
{
    return Roster::GetCharacterByIndex(selected_);
}

}  // namespace zelka
