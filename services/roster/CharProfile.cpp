#include "services/roster/CharProfile.h"

#include "engine/core/Random.h"
#include "services/data/ContentLock.h"

#include <cstdint>
#include <utility>

namespace zelka {

namespace {

constexpr std::array<const char32_t*, 5> kImageFiles{
    U"/face.png", U"/portrait.png", U"/win.png", U"/lose.png", U"/sprite.png"};

}  // namespace

Ref<CharProfile> CharProfile::New(const String& key, const String& name, int id)
{
    auto profile = std::make_shared<CharProfile>();
    profile->key_ = key;
    profile->name_ = name;
    profile->id_ = id;
    profile->sequences_[kSeqRight] = {0, 1, 2};
    profile->sequences_[kSeqLeft] = {3, 4, 5};
    profile->sequences_[kSeqUp] = {9, 10, 11};
    profile->sequences_[kSeqDown] = {6, 7, 8};
    return profile;
}

String CharProfile::GetImgPath(int type) const
{
    if (type < 0 || type >= static_cast<int>(kImageFiles.size())) return {};
    return key_ + kImageFiles[type];
}

void CharProfile::SetTexts(const String& job, const String& nicknames, const String& bio)
{
    job_ = job;
    nicknames_ = nicknames;
    bio_ = bio;
}

void CharProfile::SetSprite(int height, int fps)
{
    spriteHeight_ = height;
    spriteFps_ = fps;
}

void CharProfile::SetLock(Ref<ContentLock> lock)
{
    lock_ = std::move(lock);
}

void CharProfile::SetSpriteSequence(int direction, const std::vector<int>& frames)
{
    if (direction < 0 || direction >= kSeqDirections) return;
    sequences_[direction] = frames;
}

std::vector<int> CharProfile::GetSpriteSequence(int direction) const
{
    if (direction < 0 || direction >= kSeqDirections) return {};
    return sequences_[direction];
}

void CharProfile::AddQuote(int category, const String& text)
{
    quotes_[category].push_back(text);
}

int CharProfile::GetRandomQuoteNumber(int category) const
{
    auto it = quotes_.find(category);
    if (it == quotes_.end()) return -1;
    random::Rnd();
    // floor(count * step / 2^24) on the step's 24-bit value, in integers so no float
    // rounding can reach `count`.
    uint64_t step = random::Seed >> 8;
    return static_cast<int>((it->second.size() * step) >> 24);
}

String CharProfile::GetQuoteString(int category, int index) const
{
    auto it = quotes_.find(category);
    if (it == quotes_.end() || index < 0 || index >= static_cast<int>(it->second.size())) return {};
    return it->second[index];
}

bool CharProfile::IsUnlocked() const
{
    return !lock_ || !lock_->LockActive();
}

bool CharProfile::IsUnlocked(const PlayerStats& stats) const
{
    return !lock_ || !lock_->LockActive(stats);
}

}  // namespace zelka
