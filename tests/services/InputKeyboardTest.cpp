#include "services/input/InputKeyboard.h"

#include "platform/input/InputDevice.h"
#include "platform/input/KeyCodes.h"

#include <gtest/gtest.h>

#include <utility>

namespace zelka {
namespace {

class InputKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override { input::SetInputDevice(device_); }
    void TearDown() override { input::SetInputDevice(nullptr); }

    Ref<InputDevice> device_ = std::make_shared<InputDevice>();
    Ref<InputKeyboard> keyboard_ = InputKeyboard::New();
};

TEST_F(InputKeyboardTest, HeldKeyIsOneHitAndManyDowns)
{
    device_->KeyEvent(kEventKeyDown, kKeySpace);
    int hits = 0, downs = 0;
    for (int update = 0; update < 5; ++update) {
        hits += keyboard_->WasInputHit2(U"SPACE");
        downs += keyboard_->IsInputDown2(U"SPACE");
        device_->EndUpdate();
    }
    EXPECT_EQ(std::pair(hits, downs), std::pair(1, 5));
    device_->KeyEvent(kEventKeyUp, kKeySpace);
    EXPECT_FALSE(keyboard_->IsInputDown2(U"SPACE"));
}

TEST_F(InputKeyboardTest, AnyInputFollowsRegistrationOrder)
{
    EXPECT_EQ(keyboard_->GetAnyInput(), U"");
    device_->KeyEvent(kEventKeyDown, kKeyA);
    device_->KeyEvent(kEventKeyDown, kKeySpace);
    EXPECT_EQ(keyboard_->GetAnyInput(), U"SPACE");  // registered before "A"
    device_->EndUpdate();
    EXPECT_EQ(keyboard_->GetAnyInput(), U"");  // held, not hit
}

TEST_F(InputKeyboardTest, UnknownNamesAndCodesReadFalse)
{
    device_->KeyEvent(kEventKeyDown, kKeyEscape);
    // The keyboard lists no Escape; codes lie in 1-511.
    EXPECT_FALSE(keyboard_->SearchInputByName(U"ESC") || keyboard_->WasInputHit2(U"ESC"));
    EXPECT_FALSE(keyboard_->IsInputDown(0) || keyboard_->IsInputDown(512));
    // "NUMPAD /" is listed twice: the name finds the newer entry, the code keyboards send.
    EXPECT_EQ(keyboard_->SearchInputByName(U"NUMPAD /")->GetCode(), kKeyNumDivide);
}

}  // namespace
}  // namespace zelka
