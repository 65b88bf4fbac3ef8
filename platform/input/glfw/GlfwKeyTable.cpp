#include "platform/input/glfw/GlfwKeyTable.h"

#include "platform/input/KeyCodes.h"

#include <GLFW/glfw3.h>

#include <array>

namespace zelka {

static_assert(GLFW_KEY_SPACE == kGlfwFirstKey && GLFW_KEY_LAST == kGlfwLastKey);

namespace {

struct KeyPair {
    int glfwKey;
    int code;
};

// Keys whose code differs from their id. Digits and letters keep their ids (which are
// ASCII). The keypad Enter and Equal keys, F13 and above, the lock keys, Print, Pause,
// Super, Menu and the two "world" keys deliberately have no code.
constexpr KeyPair kKeyPairs[] = {
    {GLFW_KEY_SPACE, kKeySpace},
    {GLFW_KEY_APOSTROPHE, kKeyQuotes},
    {GLFW_KEY_COMMA, kKeyComma},
    {GLFW_KEY_MINUS, kKeyMinus},
    {GLFW_KEY_PERIOD, kKeyPeriod},
    {GLFW_KEY_SLASH, kKeySlash},
    {GLFW_KEY_SEMICOLON, kKeySemicolon},
    {GLFW_KEY_EQUAL, kKeyEquals},
    {GLFW_KEY_LEFT_BRACKET, kKeyOpenBracket},
    {GLFW_KEY_BACKSLASH, kKeyBackslash},
    {GLFW_KEY_RIGHT_BRACKET, kKeyCloseBracket},
    {GLFW_KEY_GRAVE_ACCENT, kKeyTilde},
    {GLFW_KEY_ESCAPE, kKeyEscape},
    {GLFW_KEY_ENTER, kKeyEnter},
    {GLFW_KEY_TAB, kKeyTab},
    {GLFW_KEY_BACKSPACE, kKeyBackspace},
    {GLFW_KEY_INSERT, kKeyInsert},
    {GLFW_KEY_DELETE, kKeyDelete},
    {GLFW_KEY_RIGHT, kKeyRight},
    {GLFW_KEY_LEFT, kKeyLeft},
    {GLFW_KEY_DOWN, kKeyDown},
    {GLFW_KEY_UP, kKeyUp},
    {GLFW_KEY_PAGE_UP, kKeyPageUp},
    {GLFW_KEY_PAGE_DOWN, kKeyPageDown},
    {GLFW_KEY_HOME, kKeyHome},
    {GLFW_KEY_END, kKeyEnd},
    {GLFW_KEY_F1, kKeyF1},
    {GLFW_KEY_F2, kKeyF2},
    {GLFW_KEY_F3, kKeyF3},
    {GLFW_KEY_F4, kKeyF4},
    {GLFW_KEY_F5, kKeyF5},
    {GLFW_KEY_F6, kKeyF6},
    {GLFW_KEY_F7, kKeyF7},
    {GLFW_KEY_F8, kKeyF8},
    {GLFW_KEY_F9, kKeyF9},
    {GLFW_KEY_F10, kKeyF10},
    {GLFW_KEY_F11, kKeyF11},
    {GLFW_KEY_F12, kKeyF12},
    {GLFW_KEY_KP_0, kKeyNum0},
    {GLFW_KEY_KP_1, kKeyNum1},
    {GLFW_KEY_KP_2, kKeyNum2},
    {GLFW_KEY_KP_3, kKeyNum3},
    {GLFW_KEY_KP_4, kKeyNum4},
    {GLFW_KEY_KP_5, kKeyNum5},
    {GLFW_KEY_KP_6, kKeyNum6},
    {GLFW_KEY_KP_7, kKeyNum7},
    {GLFW_KEY_KP_8, kKeyNum8},
    {GLFW_KEY_KP_9, kKeyNum9},
    {GLFW_KEY_KP_DECIMAL, kKeyNumDecimal},
    {GLFW_KEY_KP_DIVIDE, kKeyNumDivide},
    {GLFW_KEY_KP_MULTIPLY, kKeyNumMultiply},
    {GLFW_KEY_KP_SUBTRACT, kKeyNumSubtract},
    {GLFW_KEY_KP_ADD, kKeyNumAdd},
    {GLFW_KEY_LEFT_SHIFT, kKeyShift},
    {GLFW_KEY_RIGHT_SHIFT, kKeyShift},
    {GLFW_KEY_LEFT_CONTROL, kKeyControl},
    {GLFW_KEY_RIGHT_CONTROL, kKeyControl},
    {GLFW_KEY_LEFT_ALT, kKeyLeftAlt},
    {GLFW_KEY_RIGHT_ALT, kKeyRightAlt},
};

constexpr int kTableSize = kGlfwLastKey - kGlfwFirstKey + 1;

constexpr std::array<int, kTableSize> BuildTable()
{
    std::array<int, kTableSize> table{};
    for (int id = GLFW_KEY_0; id <= GLFW_KEY_9; ++id) table[id - kGlfwFirstKey] = id;
    for (int id = GLFW_KEY_A; id <= GLFW_KEY_Z; ++id) table[id - kGlfwFirstKey] = id;
    for (const auto& pair : kKeyPairs) table[pair.glfwKey - kGlfwFirstKey] = pair.code;
    return table;
}

constexpr std::array<int, kTableSize> kTable = BuildTable();

}  // namespace

int GlfwKeyToCode(int glfwKey)
{
    if (glfwKey < kGlfwFirstKey || glfwKey > kGlfwLastKey) return 0;
    return kTable[glfwKey - kGlfwFirstKey];
}

}  // namespace zelka
