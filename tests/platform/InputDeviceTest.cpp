#include "platform/input/InputDevice.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

TEST(InputDevice, PressGivesOneHitRepeatsNoneAndReleasesKeepIt)
{
    InputDevice device;
    device.KeyEvent(kEventKeyDown, kKeyA);
    device.KeyEvent(kEventKeyChar, 'a');
    device.KeyEvent(kEventKeyDown, kKeyA);  // auto-repeat: already down
    device.KeyEvent(kEventKeyChar, 'a');
    EXPECT_EQ(std::pair(device.KeyDown(kKeyA), device.KeyHit(kKeyA)), std::pair(true, 1));
    EXPECT_EQ((std::vector{device.GetChar(), device.GetChar(), device.GetChar()}), (std::vector<int>{'a', 'a', 0}));
    device.EndUpdate();
    EXPECT_EQ(std::tuple(device.KeyDown(kKeyA), device.KeyHit(kKeyA), device.GetChar()), std::tuple(true, 0, 0));

    device.KeyEvent(kEventKeyDown, kKeySpace);
    device.KeyEvent(kEventKeyUp, kKeySpace);
    // A tap inside one event step still counts.
    EXPECT_EQ(std::pair(device.KeyDown(kKeySpace), device.KeyHit(kKeySpace)), std::pair(false, 1));
    device.KeyEvent(kEventKeyDown, kKeySpace);
    EXPECT_EQ(device.KeyHit(kKeySpace), 2);  // a second press in the same update
    device.KeyEvent(kEventKeyUp, kKeyEnter);  // releasing a key not down changes nothing
    EXPECT_EQ(std::pair(device.KeyDown(kKeyEnter), device.KeyHit(kKeyEnter)), std::pair(false, 0));
}

TEST(InputDevice, QueuesAndTablesKeepToTheirSizes)
{
    InputDevice device;
    for (int i = 0; i < InputDevice::kHitQueueSize; ++i) device.KeyEvent(kEventKeyDown, 100 + i);
    device.KeyEvent(kEventKeyDown, kKeyEscape);  // the 34th
    EXPECT_EQ(std::pair(device.KeyDown(kKeyEscape), device.KeyHit(kKeyEscape)), std::pair(true, 0));
    EXPECT_EQ(device.KeyHit(100 + InputDevice::kHitQueueSize - 1), 1);
    for (int i = 0; i < InputDevice::kCharQueueSize + 5; ++i) device.KeyEvent(kEventKeyChar, 'a' + i % 26);
    int chars = 0;
    while (device.GetChar() != 0) ++chars;
    EXPECT_EQ(chars, InputDevice::kCharQueueSize);

    // EndUpdate clears every recorded hit and character; the next update has room again.
    device.EndUpdate();
    for (int i = 0; i < InputDevice::kHitQueueSize; ++i) EXPECT_EQ(device.KeyHit(100 + i), 0);
    device.KeyEvent(kEventKeyUp, kKeyEscape);
    device.KeyEvent(kEventKeyDown, kKeyEscape);
    device.KeyEvent(kEventKeyChar, 'z');
    EXPECT_EQ(std::pair(device.KeyHit(kKeyEscape), device.GetChar()), std::pair(1, int{'z'}));

    for (int code : {0, -1, kKeyCodeCount, 100000}) {
        device.KeyEvent(kEventKeyDown, code);
        EXPECT_EQ(std::pair(device.KeyDown(code), device.KeyHit(code)), std::pair(false, 0)) << code;
    }
    device.KeyEvent(kEventKeyDown, kKeyCodeCount - 1);
    EXPECT_TRUE(device.KeyDown(kKeyCodeCount - 1));
}

TEST(InputDevice, LeftMouseButtonMirrorsFingerZero)
{
    InputDevice device;
    device.MouseEvent(kEventMouseDown, 0, 10, 20);
    EXPECT_TRUE(device.KeyDown(kMouseLeft) && device.KeyDown(kTouchBase));
    EXPECT_EQ(device.KeyHit(kTouchBase), 1);
    EXPECT_EQ(std::pair(device.MouseX(), device.TouchY(0)), std::pair(10.0f, 20.0f));

    device.MouseEvent(kEventMouseUp, 0, 99, 99);
    EXPECT_FALSE(device.KeyDown(kTouchBase));
    EXPECT_EQ(device.MouseX(), 10);  // a release does not move the pointer

    device.MouseEvent(kEventMouseDown, 1, 0, 0);  // right button: no mirror
    EXPECT_TRUE(device.KeyDown(kMouseRight) && !device.KeyDown(kTouchBase + 1));
    device.MouseEvent(kEventMouseMove, -1, 5, 6);
    EXPECT_EQ(std::pair(device.MouseX(), device.MouseY()), std::pair(5.0f, 6.0f));
}

TEST(KeyToChar, EditingKeysGiveCharactersAndPrintableKeysNone)
{
    const std::pair<int, int> cases[] = {
        {kKeyBackspace, 8},      {kKeyEnter, 13},         {kKeyEscape, 27},         {kKeyDelete, 127},
        {kKeyPageUp, 0x10000 + 33}, {kKeyInsert, 0x10000 + 45}, {kKeyA, 0}, {kKeySpace, 0},
        {41, 0},  // between the arrows and insert
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(KeyToChar(key), expected) << key;
}

TEST(InputModule, ReadsThroughTheCurrentDevice)
{
    EXPECT_EQ(std::pair(input::KeyDown(kKeyA), input::KeyHit(kKeyA)), std::pair(false, 0));  // no device yet

    auto device = std::make_shared<InputDevice>();
    input::SetInputDevice(device);
    device->KeyEvent(kEventKeyDown, kKeyA);
    EXPECT_EQ(std::pair(input::KeyDown(kKeyA), input::KeyHit(kKeyA)), std::pair(true, 1));

    // Framework joystick button 3 of unit 1 is code 3 | 256 | 32.
    device->KeyEvent(kEventKeyDown, 3 | 256 | 32);
    EXPECT_EQ(std::pair(input::JoyDown(3, 1), input::JoyHit(3, 1)), std::pair(true, 1));
    EXPECT_FALSE(input::JoyDown(3, 0) || input::JoyDown(0, 8));  // unit 8 is code 512: outside the tables

    input::SetInputDevice(nullptr);
    EXPECT_FALSE(input::KeyDown(kKeyA));
}

}  // namespace
}  // namespace zelka
