#pragma once

namespace zelka {

// Hat bits of SetHat (a diagonal sets two).
inline constexpr int kPadHatUp = 1;
inline constexpr int kPadHatRight = 2;
inline constexpr int kPadHatDown = 4;
inline constexpr int kPadHatLeft = 8;

// A software pad attached to SDL's joystick list, so the SDL backend can be driven without
// hardware (tests). The joystick subsystem must be running (NewSdlJoystickBackend starts
// it). Changes reach the backend at its next Update.
class SdlVirtualPad {
public:
    SdlVirtualPad(int axes, int buttons, int hats);
    ~SdlVirtualPad();
    SdlVirtualPad(const SdlVirtualPad&) = delete;
    SdlVirtualPad& operator=(const SdlVirtualPad&) = delete;

    // SDL's device index, -1 if SDL refused the pad.
    int DeviceIndex() const { return deviceIndex_; }
    void SetAxis(int axis, int value);  // -32768..32767
    void SetButton(int button, bool pressed);
    void SetHat(int hat, int bits);     // kPadHat* bits, 0 centred
    // Unplugs the pad; it cannot come back.
    void Detach();

private:
    void* handle_ = nullptr;  // SDL_Joystick*
    int deviceIndex_ = -1;
};

}  // namespace zelka
