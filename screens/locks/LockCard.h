#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

class ContentLock;
class Panel;
class PlayerStats;

namespace contentlock {

// What the card of a lock says, counted against `stats`: "PLAY 2 MORE MATCHES TO UNLOCK!",
// "USE THE ICE WAND 30 TIMES TO UNLOCK!" or "     - COMING SOON! -". "" for a lock that
// is not active or gives no card (an item outside 0..8).
[[nodiscard]] String LockCardText(const ContentLock& lock, const PlayerStats& stats);

// The card of a lock against GameData::stats: msgbox.png with the text and (for kinds 2 and
// 4) an icon, inside a closed Panel that unfolds "scale.y" over 300 ms when its owner opens
// it. Null when the lock is null, not active, names an item outside 0..8, or the game's
// standard font is not loaded. The card is a snapshot: it is not updated afterwards, and
// it may be detached and added elsewhere any number of times (only Deallocate ends it).
[[nodiscard]] Ref<Panel> CreateLockGDO(const Ref<ContentLock>& lock);

}  // namespace contentlock

}  // namespace zelka
