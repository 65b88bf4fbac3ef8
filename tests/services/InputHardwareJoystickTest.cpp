#include "services/input/InputHardwareJoystick.h"

#include "platform/input/JoystickBackend.h"
#include "platform/input/null/FakeJoystickBackend.h"
#include "platform/input/sdl/SdlJoystickBackend.h"
#include "platform/input/sdl/SdlVirtualPad.h"
#include "services/input/RawJoystick.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace zelka {
namespace {

constexpr int kAxisHalf = 16384;  // exactly 0.5 after division by 32768

// One SDL virtual pad (2 axes by default, 12 buttons, 1 hat) opened by the SDL backend.
// Without hardware pads it is pad 0, "JOYSTICK 1".
class InputHardwareJoystickTest : public ::testing::Test {
protected:
    // False, with the reason as a failure, when the pad cannot be set up.
    bool Make(int axes = 2, int hats = 1)
    {
        backend_ = NewSdlJoystickBackend();
        if (backend_) pad_ = std::make_unique<SdlVirtualPad>(axes, 12, hats);
        index_ = pad_ ? pad_->DeviceIndex() : -1;
        // Only the first three pads are opened; three hardware pads leave no room.
        if (index_ >= 0 && index_ < kJoysticksTried) device_ = InputHardwareJoystick::New(backend_, index_);
        if (!device_) {
            ADD_FAILURE() << "no virtual pad: backend " << !!backend_ << ", SDL index " << index_;
            return false;
        }
        Update();
        return true;
    }
    void TearDown() override
    {
        device_.reset();
        backend_.reset();
        pad_.reset();
        same::ResetRawTables();
    }
    void Update() { backend_->Update(), device_->DeviceUpdate(); }

    Ref<JoystickBackend> backend_;
    std::unique_ptr<SdlVirtualPad> pad_;
    Ref<InputHardwareJoystick> device_;
    int index_ = 0;
};

// Only the one direction held, or none (-1).
void ExpectOnlyHeld(const InputHardwareJoystick& pad, int direction)
{
    for (int d = kMoveLeft; d <= kMoveDown; ++d) EXPECT_EQ(pad.GetMovementPressed(d), d == direction) << d;
}

TEST_F(InputHardwareJoystickTest, StickThresholdIsHalfWayAndFlagsChooseStickOrHat)
{
    if (!Make()) return;
    pad_->SetAxis(0, -kAxisHalf);  // exactly -0.5
    Update();
    EXPECT_TRUE(device_->WasInputHit2(U"LEFT"));
    Update();
    EXPECT_TRUE(device_->IsInputDown2(U"LEFT") && !device_->WasInputHit2(U"LEFT"));  // a hit only at first
    pad_->SetAxis(0, -16057);                      // -0.49
    pad_->SetAxis(1, kAxisHalf);
    Update();
    ExpectOnlyHeld(*device_, kMoveDown);
    EXPECT_TRUE(device_->GetMovementHit(kMoveDown));
    EXPECT_TRUE(device_->GetMovementPressed(9));  // clamped to down

    pad_->SetAxis(0, 32767);  // stick right, hat up
    pad_->SetAxis(1, 0);
    pad_->SetHat(0, kPadHatUp);
    Update();
    const std::tuple<int, bool, bool> flags[] = {
        {kMoveFlagsStick, true, false}, {kMoveFlagsStickAndHat, true, true}, {kMoveFlagsHatOnly, false, true}};
    for (const auto& [flag, right, up] : flags) {
        device_->SetHardwareFlags(flag);
        EXPECT_EQ(device_->IsInputDown2(U"RIGHT"), right) << flag;
        EXPECT_EQ(device_->IsInputDown2(U"UP"), up) << flag;
    }
}

TEST_F(InputHardwareJoystickTest, HatSectorsAndDiagonalPrecedence)
{
    if (!Make()) return;
    device_->SetHardwareFlags(kMoveFlagsHatOnly);
    const std::pair<int, int> cases[] = {
        {kPadHatUp, kMoveUp}, {kPadHatRight, kMoveRight}, {kPadHatDown, kMoveDown}, {kPadHatLeft, kMoveLeft},
        {kPadHatUp | kPadHatLeft, kMoveUp}, {kPadHatUp | kPadHatRight, kMoveUp},
        {kPadHatDown | kPadHatRight, kMoveRight}, {kPadHatDown | kPadHatLeft, kMoveDown}, {0, -1},
    };
    for (const auto& [bits, direction] : cases) {
        SCOPED_TRACE(bits);
        pad_->SetHat(0, bits);
        Update();
        ExpectOnlyHeld(*device_, direction);
    }
}

// The angles between the four SDL directions, through the fake backend.
TEST(InputHardwareJoystick, HatBordersBelongToOneDirection)
{
    auto fake = std::make_shared<FakeJoystickBackend>();
    fake->Plug(0);
    Ref<InputHardwareJoystick> pad = InputHardwareJoystick::New(fake, 0);
    ASSERT_TRUE(pad);
    pad->SetHardwareFlags(kMoveFlagsHatOnly);
    const std::pair<int, int> cases[] = {{45, kMoveUp},    {46, kMoveRight}, {135, kMoveRight},
                                         {136, kMoveDown}, {225, kMoveDown}, {226, kMoveLeft},
                                         {315, kMoveLeft}, {316, kMoveUp},   {0, kMoveUp}};
    for (const auto& [angle, direction] : cases) {
        SCOPED_TRACE(angle);
        fake->SetHatAngle(0, angle);
        fake->Update();
        pad->DeviceUpdate();
        ExpectOnlyHeld(*pad, direction);
    }
    same::ResetRawTables();
}

TEST_F(InputHardwareJoystickTest, PadWithoutHatAlwaysUsesTheStick)
{
    if (!Make(2, 0)) return;
    EXPECT_FALSE(device_->HasHat());
    device_->SetHardwareFlags(kMoveFlagsHatOnly);
    pad_->SetAxis(0, 32767);
    Update();
    EXPECT_TRUE(device_->IsInputDown2(U"RIGHT"));
}

// Buttons are hit once and held; MENU and the axes beyond the first stick never report
// (a trigger rests at -1 and would read as held).
TEST_F(InputHardwareJoystickTest, ButtonsAreHitOnceAndExtraInputsStaySilent)
{
    if (!Make(4)) return;
    EXPECT_EQ(device_->GetName(), U"JOYSTICK " + FromLatin1(std::to_string(index_ + 1)));
    EXPECT_FALSE(InputHardwareJoystick::New(backend_, index_ + 1));  // no further pad
    pad_->SetAxis(2, -32768);
    pad_->SetAxis(3, 32767);
    Update();
    EXPECT_FALSE(device_->WasInputHit2(U"AXIS 2 DEC.") || device_->IsInputDown2(U"AXIS 3 INC.") ||
                 device_->IsInputDown2(U"MENU"));
    EXPECT_EQ(device_->GetAnyInput(), U"");

    pad_->SetButton(0, true);
    pad_->SetButton(7, true);
    Update();
    EXPECT_TRUE(device_->WasInputHit2(U"A (BTTN 1)") && device_->IsInputDown2(U"START (8)"));
    EXPECT_EQ(device_->GetAnyInput(), U"A (BTTN 1)");  // registered before START (8)
    Update();
    EXPECT_TRUE(device_->IsInputDown2(U"A (BTTN 1)") && !device_->WasInputHit2(U"A (BTTN 1)"));
    EXPECT_TRUE(same::RawJoyButtonDown(index_, 7));
    // Pad 16, button 32 and button 20 (beyond the pad's 12) lie outside the tables.
    EXPECT_FALSE(same::RawJoyButtonDown(16, 0) || same::RawJoyButtonHit(index_, 32) ||
                 device_->IsInputDown2(U"BUTTON 20"));
}

TEST_F(InputHardwareJoystickTest, DetachedPadReadsReleasedWithoutHits)
{
    if (!Make()) return;
    pad_->SetAxis(0, -32768);
    pad_->SetButton(1, true);
    pad_->SetHat(0, kPadHatDown);
    Update();
    ASSERT_TRUE(device_->IsInputDown2(U"LEFT") && device_->IsInputDown2(U"B (BTTN 2)"));

    pad_->Detach();
    for (int update = 0; update < 3; ++update) {
        Update();
        ExpectOnlyHeld(*device_, -1);
        EXPECT_FALSE(device_->IsInputDown2(U"B (BTTN 2)"));
        EXPECT_EQ(device_->GetAnyInput(), U"");
    }
    EXPECT_FALSE(backend_->IsAttached(index_));
}

}  // namespace
}  // namespace zelka
