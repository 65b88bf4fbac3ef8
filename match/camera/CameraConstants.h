#pragma once

namespace zelka {

// Play area of the match: the virtual screen (640 x 360) below the 64-px top bar.
inline constexpr float kPlayAreaCentreX = 320.0f;  // screen px
inline constexpr float kPlayAreaCentreY = 212.0f;  // screen px
inline constexpr float kPlayAreaWidth = 640.0f;    // shared view, px
inline constexpr float kPlayAreaHeight = 296.0f;   // both layouts, px
// Split view: two halves 318 wide (not 320) so a 4-px gap stays between them.
inline constexpr float kSplitWindowWidth = 318.0f;
inline constexpr float kSplitLeftX = 160.0f;       // screen centre of the left half
inline constexpr float kSplitRightX = 480.0f;      // screen centre of the right half
// Half of the shared view: on splitting (and while joining) each half shows the world this
// far from the midpoint, so the picture does not jump.
inline constexpr float kSplitViewOffset = 160.0f;  // world px

// Easing of a view towards its target (Window::Approach, per axis).
inline constexpr float kCameraEaseFactor = 0.3f;
inline constexpr float kCameraDeadZone = 0.1f;     // px
inline constexpr float kCameraMaxStep = 16.0f;     // px per update
inline constexpr float kCameraJoinMaxStep = 8.0f;  // px per update while joining

// Split when the players are farther apart than this ...
inline constexpr float kSplitDistanceX = 544.0f;   // world px
inline constexpr float kSplitHeightFactor = 0.8f;  // x the window height: 236.8 px of 296
// ... and stay split while farther than this.
inline constexpr float kStaySplitDistanceX = 408.0f;  // world px
inline constexpr float kStaySplitFactor = 0.75f;      // x the split height: 177.6 px of 296
// Both halves within this distance of their joining targets: the screen joins. The
// floored easing can stall up to 3 px short, which this covers.
inline constexpr float kJoinTolerance = 10.0f;     // px

}  // namespace zelka
