#pragma once

#include "engine/display/EmptyGDOContainer.h"

namespace zelka {

class PlayerData;
class StaticImage;
class StatusEffectSource;

// A player's face in the top bar: tinted by the character's debuff, and shaken when an
// item hits the player (sideways while mashing out of a freeze, else a wobble).
class PlayerProfilePic : public EmptyGDOContainer {
public:
    // The face is the chosen character's "face.png"; without a character the picture is
    // empty. The status source may be null (no tint); it must outlive the picture.
    static Ref<PlayerProfilePic> New(const Ref<PlayerData>& player,
                                     const StatusEffectSource* status);

    void Update(int ms) override;
    // Shakes for ms: mode 1 sideways, any other mode by rotation. Replaces a running shake.
    void Shake2(int ms, int mode);

    const Ref<StaticImage>& GetFace() const { return face_; }
    const Ref<PlayerData>& GetPlayerData() const { return player_; }
    int GetShakeTime() const { return shakeTime_; }

private:
    void UpdateTint();
    void UpdateShake(int ms);

    Ref<StaticImage> face_;
    Ref<PlayerData> player_;
    const StatusEffectSource* status_ = nullptr;
    int shakeTime_ = 0;   // ms left
    int shakeMode_ = 0;
};

}  // namespace zelka
