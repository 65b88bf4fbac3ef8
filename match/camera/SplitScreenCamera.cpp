#include "match/camera/SplitScreenCamera.h"

#include "engine/core/MathUtil.h"
#include "engine/stage/Window.h"
#include "engine/ui/VerticalShaker.h"
#include "match/camera/CameraConstants.h"
#include "match/camera/CameraSubject.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace zelka {
namespace {

void EaseTo(Window& window, float x, float y, float maxStep)
{
    window.Approach(x, y, kCameraEaseFactor, maxStep, kCameraDeadZone);
}

void SetView(Window& window, float x, float y)
{
    window.SetViewX(x);
    window.SetViewY(y);
}

void Resize(Window& window, float width, float height)
{
    if (window.GetWidth() != width || window.GetHeight() != height) {
        window.SetSize(width, height);
    }
}

}  // namespace

SplitScreenCamera::SplitScreenCamera(Ref<Window> window1, Ref<Window> window2)
    : window1_(std::move(window1)), window2_(std::move(window2))
{
    assert(window1_ && window2_);
    shaker1_ = VerticalShaker::New(window1_->position);
    shaker2_ = VerticalShaker::New(window2_->position);
}

Ref<SplitScreenCamera> SplitScreenCamera::New(Ref<Window> window1, Ref<Window> window2)
{
    return std::make_shared<SplitScreenCamera>(std::move(window1), std::move(window2));
}

void SplitScreenCamera::SetScreens(bool split, bool order)
{
    split_ = split;
    if (split) {
        for (Window* window : {window1_.get(), window2_.get()}) {
            Resize(*window, kSplitWindowWidth, kPlayAreaHeight);
            window->visible = true;
        }
        SetCameraOrder(order);
    } else {
        Resize(*window1_, kPlayAreaWidth, kPlayAreaHeight);
        window1_->position->x = kPlayAreaCentreX;
        window1_->visible = true;
        window2_->visible = false;
    }
    window1_->position->y = kPlayAreaCentreY;
    window2_->position->y = kPlayAreaCentreY;
}

void SplitScreenCamera::SetCameraOrder(bool order)
{
    window1_->position->x = order ? kSplitRightX : kSplitLeftX;
    window2_->position->x = order ? kSplitLeftX : kSplitRightX;
}

void SplitScreenCamera::SetWindowToPlayers(CameraSubject& player1, CameraSubject& player2)
{
    // Nothing moves while a teleport is in flight; the split step then jumps.
    if ((player1.IsTeleporting() || player2.IsTeleporting()) &&
        (!player1.ReachedTeleportPosition() || !player2.ReachedTeleportPosition())) {
        hold_ = true;
        return;
    }
    const Vector p1 = player1.GetCameraPosition();
    const Vector p2 = player2.GetCameraPosition();
    if (split_) {
        SplitStep(player1, player2, p1, p2);
    } else {
        SharedStep(player1, player2, p1, p2);
    }
}

bool SplitScreenCamera::FarApart(const Vector& p1, const Vector& p2, float heightFactor,
                                 float distanceX) const
{
    return std::fabs(p2.x - p1.x) > distanceX ||
           std::fabs(p1.y - p2.y) > heightFactor * window1_->GetHeight();
}

void SplitScreenCamera::SharedStep(CameraSubject& player1, CameraSubject& player2,
                                   const Vector& p1, const Vector& p2)
{
    player1.SetWindowShaker(shaker1_);
    player2.SetWindowShaker(shaker1_);
    hold_ = false;
    const Vector mid((p1.x + p2.x) * 0.5f, (p1.y + p2.y) * 0.5f);
    EaseTo(*window1_, mid.x, mid.y, kCameraMaxStep);
    SetView(*window2_, window1_->GetViewX(), window1_->GetViewY());
    if (!FarApart(p1, p2, kSplitHeightFactor, kSplitDistanceX)) {
        return;
    }
    // The window of the player further right takes the right half; each half starts on
    // its player's side of the shared picture, so the picture does not jump.
    SetScreens(true, p2.x < p1.x);
    const float side = p1.x < p2.x ? -1.0f : 1.0f;
    window1_->SetViewX(mid.x + side * kSplitViewOffset);
    window2_->SetViewX(mid.x - side * kSplitViewOffset);
}

void SplitScreenCamera::SplitStep(CameraSubject& player1, CameraSubject& player2,
                                  const Vector& p1, const Vector& p2)
{
    player1.SetWindowShaker(shaker1_);
    player2.SetWindowShaker(shaker2_);
    if (FarApart(p1, p2, kStaySplitFactor * kSplitHeightFactor, kStaySplitDistanceX)) {
        if (hold_) {
            // The players have just swapped places by teleport: each half jumps to its
            // player and the halves change sides.
            SetView(*window1_, p1.x, p1.y);
            SetView(*window2_, p2.x, p2.y);
            std::swap(window1_->position->x, window2_->position->x);
            hold_ = false;
        } else {
            FollowPlayers(p1, p2);
        }
        return;
    }
    // Close again. Players who crossed while split keep their own halves until their order
    // matches the windows' order on the screen again.
    const float windowOrder = math::Sgn(window2_->position->x - window1_->position->x);
    const float playerOrder = math::Sgn(p2.x - p1.x);
    if (windowOrder != playerOrder) {
        FollowPlayers(p1, p2);
        return;
    }
    JoinStep(Vector((p1.x + p2.x) * 0.5f, (p1.y + p2.y) * 0.5f));
}

void SplitScreenCamera::FollowPlayers(const Vector& p1, const Vector& p2)
{
    EaseTo(*window1_, p1.x, p1.y, kCameraMaxStep);
    EaseTo(*window2_, p2.x, p2.y, kCameraMaxStep);
}

void SplitScreenCamera::JoinStep(const Vector& mid)
{
    const bool window1Left = window1_->position->x < window2_->position->x;
    Window& left = window1Left ? *window1_ : *window2_;
    Window& right = window1Left ? *window2_ : *window1_;
    const float leftX = mid.x - kSplitViewOffset;
    const float rightX = mid.x + kSplitViewOffset;
    EaseTo(left, leftX, mid.y, kCameraJoinMaxStep);
    EaseTo(right, rightX, mid.y, kCameraJoinMaxStep);
    if (left.DistanceToPoint(leftX, mid.y) <= kJoinTolerance &&
        right.DistanceToPoint(rightX, mid.y) <= kJoinTolerance) {
        SetScreens(false, false);
        SetView(*window1_, mid.x, mid.y);
    }
}

}  // namespace zelka
