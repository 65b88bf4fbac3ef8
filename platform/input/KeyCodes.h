#pragma once

// The game's key codes: a Windows-style numbering for keyboard keys, plus the mouse
// buttons, touch fingers and the two window requests. Valid codes are 1-511.
namespace zelka {

inline constexpr int kKeyCodeCount = 512;  // size of the input device's per-code tables

// Mouse buttons (left, right, middle). The left button mirrors touch finger 0.
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kMouseMiddle = 3;

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyShift = 16;    // both Shift keys share it
inline constexpr int kKeyControl = 17;  // both Control keys share it
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyDelete = 46;

inline constexpr int kKey0 = 48;
inline constexpr int kKey1 = 49;
inline constexpr int kKey2 = 50;
inline constexpr int kKey3 = 51;
inline constexpr int kKey4 = 52;
inline constexpr int kKey5 = 53;
inline constexpr int kKey6 = 54;
inline constexpr int kKey7 = 55;
inline constexpr int kKey8 = 56;
inline constexpr int kKey9 = 57;

inline constexpr int kKeyA = 65;
inline constexpr int kKeyB = 66;
inline constexpr int kKeyC = 67;
inline constexpr int kKeyD = 68;
inline constexpr int kKeyE = 69;
inline constexpr int kKeyF = 70;
inline constexpr int kKeyG = 71;
inline constexpr int kKeyH = 72;
inline constexpr int kKeyI = 73;
inline constexpr int kKeyJ = 74;
inline constexpr int kKeyK = 75;
inline constexpr int kKeyL = 76;
inline constexpr int kKeyM = 77;
inline constexpr int kKeyN = 78;
inline constexpr int kKeyO = 79;
inline constexpr int kKeyP = 80;
inline constexpr int kKeyQ = 81;
inline constexpr int kKeyR = 82;
inline constexpr int kKeyS = 83;
inline constexpr int kKeyT = 84;
inline constexpr int kKeyU = 85;
inline constexpr int kKeyV = 86;
inline constexpr int kKeyW = 87;
inline constexpr int kKeyX = 88;
inline constexpr int kKeyY = 89;
inline constexpr int kKeyZ = 90;

inline constexpr int kKeyNum0 = 96;
inline constexpr int kKeyNum1 = 97;
inline constexpr int kKeyNum2 = 98;
inline constexpr int kKeyNum3 = 99;
inline constexpr int kKeyNum4 = 100;
inline constexpr int kKeyNum5 = 101;
inline constexpr int kKeyNum6 = 102;
inline constexpr int kKeyNum7 = 103;
inline constexpr int kKeyNum8 = 104;
inline constexpr int kKeyNum9 = 105;

inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyF8 = 119;
inline constexpr int kKeyF9 = 120;
inline constexpr int kKeyF10 = 121;
inline constexpr int kKeyF11 = 122;
inline constexpr int kKeyF12 = 123;

inline constexpr int kKeyNumMultiply = 106;
inline constexpr int kKeyNumAdd = 107;
inline constexpr int kKeyNumSubtract = 109;
inline constexpr int kKeyNumDecimal = 110;
inline constexpr int kKeyNumDivide = 111;

inline constexpr int kKeyLeftAlt = 164;   // Alt+Enter toggles full screen
inline constexpr int kKeyRightAlt = 165;

inline constexpr int kKeySemicolon = 186;
inline constexpr int kKeyEquals = 187;
inline constexpr int kKeyComma = 188;
inline constexpr int kKeyMinus = 189;
inline constexpr int kKeyPeriod = 190;
inline constexpr int kKeySlash = 191;
inline constexpr int kKeyTilde = 192;  // grave accent
inline constexpr int kKeyOpenBracket = 219;
inline constexpr int kKeyBackslash = 220;
inline constexpr int kKeyCloseBracket = 221;
inline constexpr int kKeyQuotes = 222;  // apostrophe

// Framework joystick buttons: 256 + 32 * unit + button. Never fed on this platform.
inline constexpr int kJoyButtonBase = 256;
inline constexpr int kJoyButtonsPerUnit = 32;

inline constexpr int kTouchBase = 384;  // fingers 0-31; finger 0 mirrors the left mouse button
inline constexpr int kTouchFingerCount = 32;

inline constexpr int kKeyBack = 416;   // a back request: calls the application's close hook
inline constexpr int kKeyClose = 432;  // the window's close button: calls the close hook

}  // namespace zelka
