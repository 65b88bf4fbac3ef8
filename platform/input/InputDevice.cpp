#include "platform/input/InputDevice.h"

namespace zelka {

namespace {

bool IsValidCode(int code)
{
    return code > 0 && code < kKeyCodeCount;
}

// The left mouse button and touch finger 0 are one input seen two ways.
int MirrorOf(int code)
{
    if (code == kMouseLeft) return kTouchBase;
    if (code == kTouchBase) return kMouseLeft;
    return 0;
}

Ref<InputDevice>& CurrentDevice()
{
    static Ref<InputDevice>& device = *new Ref<InputDevice>;  // never destroyed: see App.cpp
    return device;
}

}  // namespace

int KeyToChar(int code)
{
    switch (code) {
    case kKeyBackspace:
    case kKeyTab:
    case kKeyEnter:
    case kKeyEscape:
        return code;
    case kKeyPageUp:
    case kKeyPageDown:
    case kKeyEnd:
    case kKeyHome:
    case kKeyLeft:
    case kKeyUp:
    case kKeyRight:
    case kKeyDown:
    case kKeyInsert:
        return code + kCharSpecialBase;
    case kKeyDelete:
        return 127;  // ASCII DEL
    default:
        return 0;
    }
}

void InputDevice::PutKeyDown(int code)
{
    if (!IsValidCode(code) || down_[code]) return;
    down_[code] = 1;
    // A full queue means the press is seen as held but never as a hit: EndUpdate could
    // not clear a hit it has no record of.
    if (hitQueueLength_ < kHitQueueSize) {
        ++hits_[code];
        hitQueue_[hitQueueLength_++] = code;
    }
}

void InputDevice::PutKeyUp(int code)
{
    if (!IsValidCode(code)) return;
    down_[code] = 0;
}

void InputDevice::PutChar(int chr)
{
    if (charPut_ < kCharQueueSize) charQueue_[charPut_++] = chr;
}

void InputDevice::SetPosition(int finger, float x, float y)
{
    if (finger < 0 || finger >= kTouchFingerCount) return;
    touchX_[finger] = x;
    touchY_[finger] = y;
    if (finger == 0) {
        mouseX_ = x;
        mouseY_ = y;
    }
}

void InputDevice::KeyEvent(int type, int code)
{
    switch (type) {
    case kEventKeyDown:
        PutKeyDown(code);
        PutKeyDown(MirrorOf(code));
        break;
    case kEventKeyUp:
        PutKeyUp(code);
        PutKeyUp(MirrorOf(code));
        break;
    case kEventKeyChar:
        PutChar(code);
        break;
    default:
        break;
    }
}

void InputDevice::MouseEvent(int type, int button, float x, float y)
{
    switch (type) {
    case kEventMouseDown:
        KeyEvent(kEventKeyDown, kMouseLeft + button);
        SetPosition(0, x, y);
        break;
    case kEventMouseUp:
        KeyEvent(kEventKeyUp, kMouseLeft + button);
        break;
    case kEventMouseMove:
        SetPosition(0, x, y);
        break;
    default:
        break;
    }
}

void InputDevice::TouchEvent(int type, int finger, float x, float y)
{
    if (finger < 0 || finger >= kTouchFingerCount) return;
    switch (type) {
    case kEventTouchDown:
        KeyEvent(kEventKeyDown, kTouchBase + finger);
        SetPosition(finger, x, y);
        break;
    case kEventTouchUp:
        KeyEvent(kEventKeyUp, kTouchBase + finger);
        break;
    case kEventTouchMove:
        SetPosition(finger, x, y);
        break;
    default:
        break;
    }
}

void InputDevice::MotionEvent(int type, int /*index*/, float x, float y, float z)
{
    if (type != kEventAccelerometer) return;
    accel_ = {x, y, z};
}

void InputDevice::BeginUpdate()
{
    // Framework joystick polling: this platform's host reports no such joysticks (the
    // game reads its pads through the SDL natives instead), so there is nothing to do.
}

void InputDevice::EndUpdate()
{
    for (int i = 0; i < hitQueueLength_; ++i) hits_[hitQueue_[i]] = 0;
    hitQueueLength_ = 0;
    charGet_ = 0;
    charPut_ = 0;
}

bool InputDevice::KeyDown(int code) const
{
    return IsValidCode(code) && down_[code] != 0;
}

int InputDevice::KeyHit(int code) const
{
    return IsValidCode(code) ? hits_[code] : 0;
}

int InputDevice::GetChar()
{
    if (charGet_ >= charPut_) return 0;
    return charQueue_[charGet_++];
}

float InputDevice::TouchX(int finger) const
{
    return finger >= 0 && finger < kTouchFingerCount ? touchX_[finger] : 0;
}

float InputDevice::TouchY(int finger) const
{
    return finger >= 0 && finger < kTouchFingerCount ? touchY_[finger] : 0;
}

namespace input {

void SetInputDevice(Ref<InputDevice> device)
{
    CurrentDevice() = std::move(device);
}

InputDevice* Device()
{
    return CurrentDevice().get();
}

bool KeyDown(int code)
{
    auto* device = Device();
    return device && device->KeyDown(code);
}

int KeyHit(int code)
{
    auto* device = Device();
    return device ? device->KeyHit(code) : 0;
}

namespace {

int JoyCode(int button, int unit)
{
    return button | kJoyButtonBase | (unit * kJoyButtonsPerUnit);
}

}  // namespace

bool JoyDown(int button, int unit)
{
    return KeyDown(JoyCode(button, unit));
}

int JoyHit(int button, int unit)
{
    return KeyHit(JoyCode(button, unit));
}

int GetChar()
{
    auto* device = Device();
    return device ? device->GetChar() : 0;
}

float MouseX()
{
    auto* device = Device();
    return device ? device->MouseX() : 0;
}

float MouseY()
{
    auto* device = Device();
    return device ? device->MouseY() : 0;
}

}  // namespace input

}  // namespace zelka
