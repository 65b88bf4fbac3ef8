#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

class CharProfile;
class GDOWithSize;

namespace contentlock {

// The 200 x 32 bodies of the "UNLOCKED" toasts. Both need the game's standard font
// (GameData::stdFont); without it they are empty bodies.

// name in green over "UNLOCKED" in amber (the game data passes a world's name upper-cased).
[[nodiscard]] Ref<GDOWithSize> CreateGeneralUnlockNotification(const String& name);
// The character walking down beside its name in blue over "UNLOCKED" in amber.
[[nodiscard]] Ref<GDOWithSize> CreateCharUnlockNotification(const CharProfile& profile);

// The notices' texts, colour codes included.
[[nodiscard]] String GeneralUnlockText(const String& name);
[[nodiscard]] String CharUnlockText(const CharProfile& profile);

}  // namespace contentlock

}  // namespace zelka
