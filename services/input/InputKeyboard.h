#pragma once

#include "services/input/InputHardware.h"

namespace zelka {

// The keyboard as an input device: 90 named keys with the framework's key codes, read
// from the current framework input device (hits of this update, keys held now). Escape
// and the Alt keys have no input: the menus read Escape directly.
class InputKeyboard final : public InputHardware {
public:
    static Ref<InputKeyboard> New(const String& name = U"KEYBOARD");

    // Implements InputHardware. Codes outside 1-511 give false.
    bool WasInputHit(int code) const override;
    bool IsInputDown(int code) const override;

private:
    explicit InputKeyboard(const String& name);
};

}  // namespace zelka
