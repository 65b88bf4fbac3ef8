#pragma once

namespace zelka {

inline constexpr int kJoyButtonCount = 32;
inline constexpr int kJoyAxisCount = 8;    // axes read per pad
inline constexpr int kJoysticksTried = 3;  // pads tried at start: indexes 0-2

// Up to three pads, addressed by their index at start (0-2). A pad is opened once and its
// handle kept for the process: pads plugged in later are ignored, and a pad unplugged
// later stays known and reads as released.
class JoystickBackend {
public:
    virtual ~JoystickBackend() = default;

    // Opens pad `index` (once; later calls answer the same). False when there is none.
    [[nodiscard]] virtual bool Open(int index) = 0;
    // Reads the state of every open pad. Called once per game update, before the devices
    // are polled.
    virtual void Update() = 0;

    // Opened and still plugged in.
    [[nodiscard]] virtual bool IsAttached(int index) const = 0;
    // Buttons from 0. False beyond the pad's count or for a pad that is not attached.
    [[nodiscard]] virtual bool GetButton(int index, int button) const = 0;
    // Axis position in [-1, 1) (raw value / 32768); 0 beyond the pad's count or when detached.
    [[nodiscard]] virtual float GetAxis(int index, int axis) const = 0;
    [[nodiscard]] virtual int NumAxes(int index) const = 0;
    // Whether the pad has a hat, as found when it was opened.
    [[nodiscard]] virtual bool HasHat(int index) const = 0;
    // The first hat's direction in degrees: 0 up, 90 right, 180 down, 270 left; a diagonal
    // reads as the first of up, right, down, left it contains. -1 when centred, absent or
    // detached.
    [[nodiscard]] virtual int GetHatAngle(int index) const = 0;
};

}  // namespace zelka
