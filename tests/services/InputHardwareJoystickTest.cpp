#include "services/input/InputHardwareJoystick.h"

#include "platform/input/JoystickBackend.h"
#include "platform/input/null/FakeJoystickBackend.h"
#include "platform/input/sdl/SdlJoystickBackend.h"
#include "platform/input/sdl/SdlVirtualPad.h"
#include "services/input/RawJoystick.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
    void Update()
    {
        backend_->Update();
        device_->DeviceUpdate();
    }

    Ref<JoystickBackend> backend_;
    std::unique_ptr<SdlVirtualPad> pad_;
    Ref<InputHardwareJoystick> device_;
    int index_ = 0;
};

TEST_F(InputHardwareJoystickTest, StickThresholdIsHalfWay)
{
    if (!Make()) return;
    pad_->SetAxis(0, -kAxisHalf);  // exactly -0.5
    Update();
    EXPECT_TRUE(device_->IsInputDown2(U"LEFT"));
    EXPECT_TRUE(device_->WasInputHit2(U"LEFT"));
    Update();
    EXPECT_TRUE(device_->IsInputDown2(U"LEFT"));
    EXPECT_FALSE(device_->WasInputHit2(U"LEFT"));  // a hit only in the first update

    pad_->SetAxis(0, -16057);  // -0.49
    Update();
    EXPECT_FALSE(device_->IsInputDown2(U"LEFT"));
    pad_->SetAxis(1, kAxisHalf);
    Update();
    EXPECT_TRUE(device_->GetMovementPressed(kMoveDown));
    EXPECT_TRUE(device_->GetMovementHit(kMoveDown));
    EXPECT_FALSE(device_->GetMovementPressed(kMoveUp));
    EXPECT_TRUE(device_->GetMovementPressed(9));  // clamped to down
}

TEST_F(InputHardwareJoystickTest, HatSectorsAndDiagonalPrecedence)
{
    if (!Make()) return;
    device_->SetHardwareFlags(kMoveFlagsHatOnly);
    struct Case {
        int bits;
        bool left, right, up, down;
    };
    const Case cases[] = {
        {kPadHatUp, false, false, true, false},
        {kPadHatRight, false, true, false, false},
        {kPadHatDown, false, false, false, true},
        {kPadHatLeft, true, false, false, false},
        {kPadHatUp | kPadHatLeft, false, false, true, false},     // up wins
        {kPadHatUp | kPadHatRight, false, false, true, false},    // up wins
        {kPadHatDown | kPadHatRight, false, true, false, false},  // right wins
        {kPadHatDown | kPadHatLeft, false, false, false, true},   // down wins
        {0, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        pad_->SetHat(0, c.bits);
        Update();
        EXPECT_EQ(device_->GetMovementPressed(kMoveLeft), c.left);
        EXPECT_EQ(device_->GetMovementPressed(kMoveRight), c.right);
        EXPECT_EQ(device_->GetMovementPressed(kMoveUp), c.up);
        EXPECT_EQ(device_->GetMovementPressed(kMoveDown), c.down);
    }
}

TEST_F(InputHardwareJoystickTest, MovementFlagsChooseStickOrHat)
{
    if (!Make()) return;
    pad_->SetAxis(0, 32767);   // stick right
    pad_->SetHat(0, kPadHatUp);
    Update();
    device_->SetHardwareFlags(kMoveFlagsStick);
    EXPECT_TRUE(device_->IsInputDown2(U"RIGHT"));
    EXPECT_FALSE(device_->IsInputDown2(U"UP"));
    device_->SetHardwareFlags(kMoveFlagsStickAndHat);
    EXPECT_TRUE(device_->IsInputDown2(U"RIGHT"));
    EXPECT_TRUE(device_->IsInputDown2(U"UP"));
    device_->SetHardwareFlags(kMoveFlagsHatOnly);
    EXPECT_FALSE(device_->IsInputDown2(U"RIGHT"));
    EXPECT_TRUE(device_->IsInputDown2(U"UP"));
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

TEST_F(InputHardwareJoystickTest, ButtonsAreHitOnceAndHeld)
{
    if (!Make()) return;
    EXPECT_EQ(device_->GetName(), U"JOYSTICK " + FromLatin1(std::to_string(index_ + 1)));
    EXPECT_FALSE(InputHardwareJoystick::New(backend_, index_ + 1));  // no further pad
    pad_->SetButton(0, true);
    pad_->SetButton(7, true);
    Update();
    EXPECT_TRUE(device_->WasInputHit2(U"A (BTTN 1)"));
    EXPECT_TRUE(device_->IsInputDown2(U"START (8)"));
    EXPECT_EQ(device_->GetAnyInput(), U"A (BTTN 1)");  // registered before START (8)
    Update();
    EXPECT_FALSE(device_->WasInputHit2(U"A (BTTN 1)"));
    EXPECT_TRUE(device_->IsInputDown2(U"A (BTTN 1)"));
    EXPECT_TRUE(same::RawJoyButtonDown(index_, 7));
    EXPECT_FALSE(same::RawJoyButtonDown(16, 0));
    EXPECT_FALSE(same::RawJoyButtonHit(index_, 32));
    EXPECT_FALSE(device_->IsInputDown2(U"BUTTON 20"));  // beyond the pad's 12 buttons
}

TEST_F(InputHardwareJoystickTest, MenuAndExtraAxesNeverReport)
{
    if (!Make(4)) return;
    pad_->SetAxis(2, -32768);  // a trigger resting at -1
    pad_->SetAxis(3, 32767);
    Update();
    EXPECT_FALSE(device_->WasInputHit2(U"AXIS 2 DEC."));
    EXPECT_FALSE(device_->IsInputDown2(U"AXIS 3 INC."));
    EXPECT_FALSE(device_->IsInputDown2(U"MENU"));
    EXPECT_EQ(device_->GetAnyInput(), U"");
}

TEST_F(InputHardwareJoystickTest, DetachedPadReadsReleasedWithoutHits)
{
    if (!Make()) return;
    pad_->SetAxis(0, -32768);
    pad_->SetButton(1, true);
    pad_->SetHat(0, kPadHatDown);
    Update();
    ASSERT_TRUE(device_->IsInputDown2(U"LEFT"));
    ASSERT_TRUE(device_->IsInputDown2(U"B (BTTN 2)"));

    pad_->Detach();
    for (int update = 0; update < 3; ++update) {
        Update();
        EXPECT_FALSE(device_->IsInputDown2(U"LEFT"));
        EXPECT_FALSE(device_->IsInputDown2(U"B (BTTN 2)"));
        EXPECT_FALSE(device_->GetMovementPressed(kMoveDown));
        EXPECT_EQ(device_->GetAnyInput(), U"");
    }
    EXPECT_FALSE(backend_->IsAttached(index_));
}

// Hat angles between the four SDL directions, through the fake backend.
TEST(InputHardwareJoystick, HatBordersBelongToOneDirection)
{
    auto fake = std::make_shared<FakeJoystickBackend>();
    fake->Plug(0);
    Ref<InputHardwareJoystick> pad = InputHardwareJoystick::New(fake, 0);
    ASSERT_TRUE(pad);
    pad->SetHardwareFlags(kMoveFlagsHatOnly);
    struct Case {
        int angle;
        int direction;  // the only one held
    };
    const Case cases[] = {{45, kMoveUp}, {46, kMoveRight}, {135, kMoveRight}, {136, kMoveDown},
                          {225, kMoveDown}, {226, kMoveLeft}, {315, kMoveLeft}, {316, kMoveUp},
                          {0, kMoveUp}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        fake->SetHatAngle(0, c.angle);
        fake->Update();
        pad->DeviceUpdate();
        for (int d = kMoveLeft; d <= kMoveDown; ++d) {
            EXPECT_EQ(pad->GetMovementPressed(d), d == c.direction) << d;
        }
    }
    same::ResetRawTables();
}

}  // namespace
}  // namespace zelka
