#pragma once

#include "platform/core/Ref.h"
#include "platform/input/KeyCodes.h"

#include <array>
#include <cstdint>

namespace zelka {

// Host event types as delivered to the input device.
inline constexpr int kEventKeyDown = 1;
inline constexpr int kEventKeyUp = 2;
inline constexpr int kEventKeyChar = 3;
inline constexpr int kEventMouseDown = 4;
inline constexpr int kEventMouseUp = 5;
inline constexpr int kEventMouseMove = 6;
inline constexpr int kEventTouchDown = 7;
inline constexpr int kEventTouchUp = 8;
inline constexpr int kEventTouchMove = 9;
inline constexpr int kEventAccelerometer = 10;

// Characters produced by the non-printing keys that have one: page, end/home, arrows and
// insert give their key code plus this offset.
inline constexpr int kCharSpecialBase = 0x10000;

// The character a key press adds to the character queue, or 0 for none.
int KeyToChar(int code);

// Key state of one update: what is down, how often each code went down since the last
// EndUpdate, and the characters typed. Key events arrive during the host's event step,
// before the updates of a loop pass, so a press is a hit for exactly one update.
class InputDevice {
public:
    static constexpr int kHitQueueSize = 33;   // distinct hits recorded per update
    static constexpr int kCharQueueSize = 32;  // characters kept per update

    // type kEventKeyDown, kEventKeyUp or kEventKeyChar. Codes outside 1-511 are ignored.
    void KeyEvent(int type, int code);
    // type kEventMouseDown/Up (button 0-2) or kEventMouseMove (button ignored). Pixels.
    void MouseEvent(int type, int button, float x, float y);
    // type kEventTouchDown/Up/Move, finger 0-31.
    void TouchEvent(int type, int finger, float x, float y);
    // type kEventAccelerometer.
    void MotionEvent(int type, int index, float x, float y, float z);

    // Called around every update. BeginUpdate polls framework joysticks, which this
    // platform has none of; EndUpdate forgets this update's hits and characters.
    void BeginUpdate();
    void EndUpdate();

    // False / 0 for codes outside 1-511.
    [[nodiscard]] bool KeyDown(int code) const;
    // Number of up-to-down transitions since the last EndUpdate.
    [[nodiscard]] int KeyHit(int code) const;

    // The next typed character of this update, or 0 when none is left.
    [[nodiscard]] int GetChar();

    [[nodiscard]] float MouseX() const { return mouseX_; }
    [[nodiscard]] float MouseY() const { return mouseY_; }
    [[nodiscard]] float TouchX(int finger) const;
    [[nodiscard]] float TouchY(int finger) const;
    [[nodiscard]] float AccelX() const { return accel_[0]; }
    [[nodiscard]] float AccelY() const { return accel_[1]; }
    [[nodiscard]] float AccelZ() const { return accel_[2]; }

private:
    void PutKeyDown(int code);
    void PutKeyUp(int code);
    void PutChar(int chr);
    void SetPosition(int finger, float x, float y);

    std::array<std::uint8_t, kKeyCodeCount> down_{};
    std::array<int, kKeyCodeCount> hits_{};
    std::array<int, kHitQueueSize> hitQueue_{};
    int hitQueueLength_ = 0;
    std::array<int, kCharQueueSize> charQueue_{};
    int charGet_ = 0;
    int charPut_ = 0;
    float mouseX_ = 0;
    float mouseY_ = 0;
    std::array<float, kTouchFingerCount> touchX_{};
    std::array<float, kTouchFingerCount> touchY_{};
    std::array<float, 3> accel_{};
};

// The current input device (set by the game delegate at start) and reads through it.
// Every read answers "up" / 0 while no device is set.
namespace input {

void SetInputDevice(Ref<InputDevice> device);
[[nodiscard]] InputDevice* Device();
[[nodiscard]] bool KeyDown(int code);
[[nodiscard]] int KeyHit(int code);
// Framework joystick buttons: code button | 256 | unit * 32; false / 0 above 511.
[[nodiscard]] bool JoyDown(int button, int unit = 0);
[[nodiscard]] int JoyHit(int button, int unit = 0);
[[nodiscard]] int GetChar();
[[nodiscard]] float MouseX();
[[nodiscard]] float MouseY();

}  // namespace input

}  // namespace zelka
