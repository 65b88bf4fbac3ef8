#include "platform/input/InputDevice.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

TEST(InputDevice, PressGivesOneHitRepeatsNoneAndReleasesKeepIt)
{
    InputDevice device;
    device.KeyEvent(kEventKeyDown, kKeyA);
    device.KeyEvent(kEventKeyChar, 'a');
    device.KeyEvent(kEventKeyDown, kKeyA);  // auto-repeat: already down
    device.KeyEvent(kEventKeyChar, 'a');
    EXPECT_TRUE(device.KeyDown(kKeyA));
    EXPECT_EQ(device.KeyHit(kKeyA), 1);
    EXPECT_EQ(device.GetChar(), 'a');
    EXPECT_EQ(device.GetChar(), 'a');
    EXPECT_EQ(device.GetChar(), 0);
    device.EndUpdate();
    EXPECT_TRUE(device.KeyDown(kKeyA));  // still held
    EXPECT_EQ(device.KeyHit(kKeyA), 0);
    EXPECT_EQ(device.GetChar(), 0);

    device.KeyEvent(kEventKeyDown, kKeySpace);
    device.KeyEvent(kEventKeyUp, kKeySpace);
    EXPECT_FALSE(device.KeyDown(kKeySpace));
    EXPECT_EQ(device.KeyHit(kKeySpace), 1);  // a tap inside one event step still counts
    device.KeyEvent(kEventKeyDown, kKeySpace);
    EXPECT_EQ(device.KeyHit(kKeySpace), 2);  // a second press in the same update
    device.KeyEvent(kEventKeyUp, kKeyEnter);  // releasing a key not down changes nothing
    EXPECT_FALSE(device.KeyDown(kKeyEnter));
    EXPECT_EQ(device.KeyHit(kKeyEnter), 0);
}

TEST(InputDevice, QueuesAndTablesKeepToTheirSizes)
{
    InputDevice device;
    for (int i = 0; i < InputDevice::kHitQueueSize; ++i) device.KeyEvent(kEventKeyDown, 100 + i);
    device.KeyEvent(kEventKeyDown, kKeyEscape);  // the 34th
    EXPECT_TRUE(device.KeyDown(kKeyEscape));
    EXPECT_EQ(device.KeyHit(kKeyEscape), 0);
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
    EXPECT_EQ(device.KeyHit(kKeyEscape), 1);
    device.KeyEvent(kEventKeyChar, 'z');
    EXPECT_EQ(device.GetChar(), 'z');

    for (int code : {0, -1, kKeyCodeCount, 100000}) {
        device.KeyEvent(kEventKeyDown, code);
        EXPECT_FALSE(device.KeyDown(code)) << code;
        EXPECT_EQ(device.KeyHit(code), 0) << code;
    }
    device.KeyEvent(kEventKeyDown, kKeyCodeCount - 1);
    EXPECT_TRUE(device.KeyDown(kKeyCodeCount - 1));
}

TEST(InputDevice, LeftMouseButtonMirrorsFingerZero)
{
    InputDevice device;
    device.MouseEvent(kEventMouseDown, 0, 10, 20);
    EXPECT_TRUE(device.KeyDown(kMouseLeft));
    EXPECT_TRUE(device.KeyDown(kTouchBase));
    EXPECT_EQ(device.KeyHit(kTouchBase), 1);
    EXPECT_EQ(device.MouseX(), 10);
    EXPECT_EQ(device.TouchY(0), 20);

    device.MouseEvent(kEventMouseUp, 0, 99, 99);
    EXPECT_FALSE(device.KeyDown(kTouchBase));
    EXPECT_EQ(device.MouseX(), 10);  // a release does not move the pointer

    device.MouseEvent(kEventMouseDown, 1, 0, 0);  // right button: no mirror
    EXPECT_TRUE(device.KeyDown(kMouseRight));
    EXPECT_FALSE(device.KeyDown(kTouchBase + 1));
    device.MouseEvent(kEventMouseMove, -1, 5, 6);
    EXPECT_EQ(device.MouseX(), 5);
    EXPECT_EQ(device.MouseY(), 6);
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
    EXPECT_FALSE(input::KeyDown(kKeyA));  // no device yet
    EXPECT_EQ(input::KeyHit(kKeyA), 0);

    auto device = std::make_shared<InputDevice>();
    input::SetInputDevice(device);
    device->KeyEvent(kEventKeyDown, kKeyA);
    EXPECT_TRUE(input::KeyDown(kKeyA));
    EXPECT_EQ(input::KeyHit(kKeyA), 1);

    // Framework joystick button 3 of unit 1 is code 3 | 256 | 32.
    device->KeyEvent(kEventKeyDown, 3 | 256 | 32);
    EXPECT_TRUE(input::JoyDown(3, 1));
    EXPECT_EQ(input::JoyHit(3, 1), 1);
    EXPECT_FALSE(input::JoyDown(3, 0));
    EXPECT_FALSE(input::JoyDown(0, 8));  // code 512: outside the tables

    input::SetInputDevice(nullptr);
    EXPECT_FALSE(input::KeyDown(kKeyA));
}

}  // namespace
}  // namespace zelka
