#pragma once

#include "platform/core/Text.h"

namespace zelka {

// What the match's parts ask of the match stage. The stage installs itself while it is the
// current stage (match::SetHooks); otherwise every call does nothing, which is also what
// the tests of the maze and the characters run with.
class MatchHooks {
public:
    virtual ~MatchHooks() = default;
    // Shakes the windows for ms.
    virtual void Quake(int /*ms*/) {}
    // A short message over player 1's or 2's character; big uses the message font.
    virtual void AddMsgLabel(const String& /*text*/, int /*player*/, bool /*big*/) {}
    // A dust puff at (x, y), relative to the tile map's centre.
    virtual void EmitDust(float /*x*/, float /*y*/) {}
    // The player's face in the top bar shakes for ms (mode 1 sideways, else rotating).
    virtual void ShakeFace(int /*player*/, int /*ms*/, int /*mode*/) {}
};

namespace match {
// The installed hooks, or hooks that do nothing.
MatchHooks& Hooks();
// Null restores the hooks that do nothing. Not owned: the installer uninstalls itself.
void SetHooks(MatchHooks* hooks);
}  // namespace match

}  // namespace zelka
