#include "services/input/InputKeyboard.h"

#include "platform/input/InputDevice.h"
#include "platform/input/KeyCodes.h"

#include <array>

namespace zelka {

namespace {

struct KeyName {
    const char32_t* name;
    int code;
};

// Registration order decides GetAnyInput's answer when several keys are hit at once.
// "NUMPAD /" is registered for 108 and again for 111: the name finds 111, while a hit on
// 108 (which no keyboard produces) would still be reported under that name.
constexpr std::array kKeyNames{
    KeyName{U"TAB", kKeyTab}, KeyName{U"ENTER", kKeyEnter}, KeyName{U"SPACE", kKeySpace},
    KeyName{U"SHIFT", kKeyShift}, KeyName{U"CTRL", kKeyControl},
    KeyName{U"F1", kKeyF1}, KeyName{U"F2", kKeyF2}, KeyName{U"F3", kKeyF3},
    KeyName{U"F4", kKeyF4}, KeyName{U"F5", kKeyF5}, KeyName{U"F6", kKeyF6},
    KeyName{U"F7", kKeyF7}, KeyName{U"F8", kKeyF8}, KeyName{U"F9", kKeyF9},
    KeyName{U"F10", kKeyF10}, KeyName{U"F11", kKeyF11}, KeyName{U"F12", kKeyF12},
    KeyName{U"0", kKey0}, KeyName{U"1", kKey1}, KeyName{U"2", kKey2}, KeyName{U"3", kKey3},
    KeyName{U"4", kKey4}, KeyName{U"5", kKey5}, KeyName{U"6", kKey6}, KeyName{U"7", kKey7},
    KeyName{U"8", kKey8}, KeyName{U"9", kKey9},
    KeyName{U"A", kKeyA}, KeyName{U"B", kKeyB}, KeyName{U"C", kKeyC}, KeyName{U"D", kKeyD},
    KeyName{U"E", kKeyE}, KeyName{U"F", kKeyF}, KeyName{U"G", kKeyG}, KeyName{U"H", kKeyH},
    KeyName{U"I", kKeyI}, KeyName{U"J", kKeyJ}, KeyName{U"K", kKeyK}, KeyName{U"L", kKeyL},
    KeyName{U"M", kKeyM}, KeyName{U"N", kKeyN}, KeyName{U"O", kKeyO}, KeyName{U"P", kKeyP},
    KeyName{U"Q", kKeyQ}, KeyName{U"R", kKeyR}, KeyName{U"S", kKeyS}, KeyName{U"T", kKeyT},
    KeyName{U"U", kKeyU}, KeyName{U"V", kKeyV}, KeyName{U"W", kKeyW}, KeyName{U"X", kKeyX},
    KeyName{U"Y", kKeyY}, KeyName{U"Z", kKeyZ},
    KeyName{U"~", kKeyTilde}, KeyName{U"-", kKeyMinus}, KeyName{U"=", kKeyEquals},
    KeyName{U"[", kKeyOpenBracket}, KeyName{U"]", kKeyCloseBracket},
    KeyName{U"\\", kKeyBackslash}, KeyName{U";", kKeySemicolon},
    KeyName{U"\"", kKeyQuotes},
    KeyName{U",", kKeyComma}, KeyName{U".", kKeyPeriod}, KeyName{U"/", kKeySlash},
    KeyName{U"BACKSPACE", kKeyBackspace}, KeyName{U"PAGEUP", kKeyPageUp},
    KeyName{U"PAGEDOWN", kKeyPageDown}, KeyName{U"END", kKeyEnd}, KeyName{U"HOME", kKeyHome},
    KeyName{U"LEFT", kKeyLeft}, KeyName{U"UP", kKeyUp}, KeyName{U"RIGHT", kKeyRight},
    KeyName{U"DOWN", kKeyDown},
    KeyName{U"INS", kKeyInsert}, KeyName{U"DEL", kKeyDelete},
    KeyName{U"NUMPAD 0", kKeyNum0}, KeyName{U"NUMPAD 1", kKeyNum1},
    KeyName{U"NUMPAD 2", kKeyNum2}, KeyName{U"NUMPAD 3", kKeyNum3},
    KeyName{U"NUMPAD 4", kKeyNum4}, KeyName{U"NUMPAD 5", kKeyNum5},
    KeyName{U"NUMPAD 6", kKeyNum6}, KeyName{U"NUMPAD 7", kKeyNum7},
    KeyName{U"NUMPAD 8", kKeyNum8}, KeyName{U"NUMPAD 9", kKeyNum9},
    KeyName{U"NUMPAD *", kKeyNumMultiply}, KeyName{U"NUMPAD +", kKeyNumAdd},
    KeyName{U"NUMPAD /", 108},  // the keypad separator code, kept for the name's history
    KeyName{U"NUMPAD -", kKeyNumSubtract}, KeyName{U"NUMPAD .", kKeyNumDecimal},
    KeyName{U"NUMPAD /", kKeyNumDivide},
};

bool IsKeyCode(int code)
{
    return code >= 1 && code < kKeyCodeCount;
}

}  // namespace

InputKeyboard::InputKeyboard(const String& name) : InputHardware(name, kDeviceTypeKeyboard)
{
    for (const KeyName& key : kKeyNames) RegisterInput(key.name, key.code);
}

Ref<InputKeyboard> InputKeyboard::New(const String& name)
{
    return Ref<InputKeyboard>(new InputKeyboard(name));
}

bool InputKeyboard::WasInputHit(int code) const
{
    return IsKeyCode(code) && input::KeyHit(code) > 0;
}

bool InputKeyboard::IsInputDown(int code) const
{
    return IsKeyCode(code) && input::KeyDown(code);
}

}  // namespace zelka
