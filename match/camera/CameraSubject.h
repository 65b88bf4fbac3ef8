#pragma once

#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

class VerticalShaker;

// What the split-screen camera reads of one player, and where it tells the player which
// window shows it (the player's match state implements it).
class CameraSubject {
public:
    virtual ~CameraSubject() = default;

    // The character's position in world pixels (the frame the windows' view centres use).
    virtual Vector GetCameraPosition() const = 0;
    // The character is in its teleport state.
    virtual bool IsTeleporting() const = 0;
    // The character stands exactly on its teleport target.
    virtual bool ReachedTeleportPosition() const = 0;
    // The shaker of the window that shows this player: a quake aimed at the player shakes
    // it. Called on every camera step.
    virtual void SetWindowShaker(const Ref<VerticalShaker>& shaker) = 0;
};

}  // namespace zelka
