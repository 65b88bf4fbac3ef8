#include "platform/input/glfw/GlfwKeyTable.h"

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <map>

namespace zelka {
namespace {

// Written out by key name, independently of the table, for every key id the window
// library defines (3.3). Ids missing here (keypad enter, F13 and up, the locks, super,
// menu, the world keys) must have no code, and every code fits the input tables.
const std::map<int, int>& ExpectedCodes()
{
    static const std::map<int, int> expected = [] {
        std::map<int, int> m = {
            {GLFW_KEY_SPACE, 32}, {GLFW_KEY_APOSTROPHE, 222}, {GLFW_KEY_COMMA, 188}, {GLFW_KEY_MINUS, 189},
            {GLFW_KEY_PERIOD, 190}, {GLFW_KEY_SLASH, 191}, {GLFW_KEY_SEMICOLON, 186}, {GLFW_KEY_EQUAL, 187},
            {GLFW_KEY_LEFT_BRACKET, 219}, {GLFW_KEY_BACKSLASH, 220}, {GLFW_KEY_RIGHT_BRACKET, 221},
            {GLFW_KEY_GRAVE_ACCENT, 192}, {GLFW_KEY_ESCAPE, 27}, {GLFW_KEY_ENTER, 13}, {GLFW_KEY_TAB, 9},
            {GLFW_KEY_BACKSPACE, 8}, {GLFW_KEY_INSERT, 45}, {GLFW_KEY_DELETE, 46}, {GLFW_KEY_RIGHT, 39},
            {GLFW_KEY_LEFT, 37}, {GLFW_KEY_DOWN, 40}, {GLFW_KEY_UP, 38}, {GLFW_KEY_PAGE_UP, 33},
            {GLFW_KEY_PAGE_DOWN, 34}, {GLFW_KEY_HOME, 36}, {GLFW_KEY_END, 35}, {GLFW_KEY_KP_DECIMAL, 110},
            {GLFW_KEY_KP_DIVIDE, 111}, {GLFW_KEY_KP_MULTIPLY, 106}, {GLFW_KEY_KP_SUBTRACT, 109},
            {GLFW_KEY_KP_ADD, 107}, {GLFW_KEY_LEFT_SHIFT, 16}, {GLFW_KEY_RIGHT_SHIFT, 16},
            {GLFW_KEY_LEFT_CONTROL, 17}, {GLFW_KEY_RIGHT_CONTROL, 17}, {GLFW_KEY_LEFT_ALT, 164},
            {GLFW_KEY_RIGHT_ALT, 165},
        };
        for (int i = 0; i <= 9; ++i) m[GLFW_KEY_0 + i] = '0' + i;
        for (int i = 0; i < 26; ++i) m[GLFW_KEY_A + i] = 'A' + i;
        for (int i = 0; i < 12; ++i) m[GLFW_KEY_F1 + i] = 112 + i;
        for (int i = 0; i <= 9; ++i) m[GLFW_KEY_KP_0 + i] = 96 + i;
        return m;
    }();
    return expected;
}

TEST(GlfwKeyToCode, EveryKeyIdMapsAsListed)
{
    for (int id = GLFW_KEY_UNKNOWN - 1; id <= GLFW_KEY_LAST + 8; ++id) {
        const auto it = ExpectedCodes().find(id);
        const int expected = it == ExpectedCodes().end() ? 0 : it->second;
        EXPECT_EQ(GlfwKeyToCode(id), expected) << "key id " << id;
    }
}

}  // namespace
}  // namespace zelka
