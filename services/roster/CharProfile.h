#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <array>
#include <map>
#include <vector>

namespace zelka {

class ContentLock;
class PlayerStats;

// Directions of the sprite sequences, numbered as the match numbers them.
inline constexpr int kSeqRight = 0;
inline constexpr int kSeqLeft = 1;
inline constexpr int kSeqUp = 2;
inline constexpr int kSeqDown = 3;
inline constexpr int kSeqDirections = 4;

// Image kinds of GetImgPath.
inline constexpr int kImgFace = 0;
inline constexpr int kImgPortrait = 1;
inline constexpr int kImgWin = 2;
inline constexpr int kImgLose = 3;
inline constexpr int kImgSprite = 4;

inline constexpr int kQuoteTaunt = 1;  // the only quote category the roster fills

// What the screens and the match need to show and animate one playable character.
class CharProfile {
public:
    // Sprite 32 px high at 10 frames/s, default sequences, no lock, no quotes.
    static Ref<CharProfile> New(const String& key, const String& name, int id);

    const String& GetKey() const { return key_; }
    const String& GetName() const { return name_; }
    int GetId() const { return id_; }
    const String& GetJob() const { return job_; }
    const String& GetNicknames() const { return nicknames_; }  // comma-separated
    const String& GetBio() const { return bio_; }
    const Ref<ContentLock>& GetLock() const { return lock_; }
    int GetSpriteHeight() const { return spriteHeight_; }      // px; tiles are 32 wide
    int GetSpriteFPS() const { return spriteFps_; }
    // key + "/face.png", "/portrait.png", "/win.png", "/lose.png" or "/sprite.png" for
    // kImgFace..kImgSprite; "" for any other type.
    String GetImgPath(int type) const;

    void SetTexts(const String& job, const String& nicknames, const String& bio);
    void SetSprite(int height, int fps);
    void SetLock(Ref<ContentLock> lock);

    // Frame indexes into the sprite sheet for a direction kSeqRight..kSeqDown. The getter
    // returns a copy (empty for an unknown direction); the setter ignores unknown ones.
    void SetSpriteSequence(int direction, const std::vector<int>& frames);
    std::vector<int> GetSpriteSequence(int direction) const;

    void AddQuote(int category, const String& text);
    // An index into the category's quotes from exactly one step of the shared generator,
    // or -1 when the category has no quotes.
    int GetRandomQuoteNumber(int category) const;
    String GetQuoteString(int category, int index) const;  // "" when absent

    // True without a lock; otherwise whether the lock's condition is met, recomputed from
    // the statistics every time (GameData::stats in the form without argument).
    bool IsUnlocked() const;
    bool IsUnlocked(const PlayerStats& stats) const;

private:
    String key_;
    String name_;
    int id_ = 0;
    String job_;
    String nicknames_;
    String bio_;
    std::map<int, std::vector<String>> quotes_;
    int spriteHeight_ = 32;
    int spriteFps_ = 10;
    std::array<std::vector<int>, kSeqDirections> sequences_;
    Ref<ContentLock> lock_;
};

}  // namespace zelka
