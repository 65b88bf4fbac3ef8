#pragma once

#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

class CameraSubject;
class VerticalShaker;
class Window;

// The match's two cameras onto one world: window 1 (player 1's, the stage's root window)
// and window 2 (player 2's, "P2WIN"). While the players are close, window 1 alone fills
// the play area and follows their midpoint; when they drift apart the screen splits into
// two halves, each following its own player, and joins again once they come back together
// and both halves have eased onto the shared picture. The match stage owns one and
// forwards SetScreens, SetCameraOrder and SetWindowToPlayers to it.
class SplitScreenCamera : public Object {
public:
    // Both windows are required. Makes one shaker per window, acting on its screen position.
    SplitScreenCamera(Ref<Window> window1, Ref<Window> window2);
    static Ref<SplitScreenCamera> New(Ref<Window> window1, Ref<Window> window2);

    // Split: both windows 318 x 296 and visible, window 1 on the right half when `order`
    // is true, else on the left. Shared: window 1 640 x 296 at the centre, window 2 hidden.
    void SetScreens(bool split, bool order);
    // Window 1 on the right half when `order` is true, window 2 on the other.
    void SetCameraOrder(bool order);
    // One camera step, run after the players have moved.
    void SetWindowToPlayers(CameraSubject& player1, CameraSubject& player2);

    bool IsSplit() const { return split_; }
    // A teleport is in flight: the camera waits, then jumps to the players.
    bool IsHolding() const { return hold_; }
    const Ref<Window>& GetWindow1() const { return window1_; }
    const Ref<Window>& GetWindow2() const { return window2_; }
    const Ref<VerticalShaker>& GetShaker1() const { return shaker1_; }
    const Ref<VerticalShaker>& GetShaker2() const { return shaker2_; }

private:
    void SharedStep(CameraSubject& player1, CameraSubject& player2, const Vector& p1,
                    const Vector& p2);
    void SplitStep(CameraSubject& player1, CameraSubject& player2, const Vector& p1,
                   const Vector& p2);
    // Both halves ease onto the shared picture; joins once both are close enough.
    void JoinStep(const Vector& mid);
    bool FarApart(const Vector& p1, const Vector& p2, float heightFactor, float distanceX) const;
    void FollowPlayers(const Vector& p1, const Vector& p2);

    Ref<Window> window1_;
    Ref<Window> window2_;
    Ref<VerticalShaker> shaker1_;
    Ref<VerticalShaker> shaker2_;
    bool split_ = false;
    bool hold_ = false;
};

}  // namespace zelka
