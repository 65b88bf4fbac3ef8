#include "screens/app/AltEnterToggle.h"

#include "platform/input/KeyCodes.h"

#include <gtest/gtest.h>

#include <set>

namespace zelka {

namespace {

class FakeKeys final : public KeyStateSource {
public:
    bool KeyDown(int code) const override { return down.count(code) > 0; }
    int KeyHit(int code) const override { return static_cast<int>(hits.count(code)); }

    void Press(int code)
    {
        down.insert(code);
        hits.insert(code);
    }
    void Release(int code) { down.erase(code); }

    std::set<int> down;
    std::set<int> hits;  // cleared by Step
};

using Step = AltEnterToggle::Step;

}  // namespace

class AltEnterToggleTest : public ::testing::Test {
protected:
    Step Update()
    {
        const Step step = toggle.Update(keys);
        keys.hits.clear();
        return step;
    }
    FakeKeys keys;
    AltEnterToggle toggle;
};

TEST_F(AltEnterToggleTest, OneToggleAfterBothKeysAreReleased)
{
    keys.Press(kKeyLeftAlt);
    EXPECT_EQ(Update(), Step::Run);  // Alt alone
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Skip);  // the hit update is taken
    EXPECT_EQ(toggle.RememberedAlt(), kKeyLeftAlt);
    EXPECT_EQ(Update(), Step::Run);  // held: updates run in between
    keys.Release(kKeyEnter);
    EXPECT_EQ(Update(), Step::Run);  // Alt still down
    keys.Release(kKeyLeftAlt);
    EXPECT_EQ(Update(), Step::SkipAndToggle);
    EXPECT_EQ(toggle.RememberedAlt(), -1);
    EXPECT_EQ(Update(), Step::Run);  // exactly once per press
}

TEST_F(AltEnterToggleTest, RightAltWorksAndItsOwnReleaseCounts)
{
    keys.Press(kKeyRightAlt);
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Skip);
    EXPECT_EQ(toggle.RememberedAlt(), kKeyRightAlt);
    keys.Release(kKeyEnter);
    keys.Release(kKeyRightAlt);
    keys.down.insert(kKeyLeftAlt);  // the other Alt held does not keep it pending
    EXPECT_EQ(Update(), Step::SkipAndToggle);
}

TEST_F(AltEnterToggleTest, EnterWithoutAltOrHeldEnterDoesNothing)
{
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Run);
    keys.down.insert(kKeyLeftAlt);  // Alt after Enter is already down: no new hit
    EXPECT_EQ(Update(), Step::Run);
    EXPECT_EQ(toggle.RememberedAlt(), -1);
}

TEST_F(AltEnterToggleTest, ResetForgetsAPendingPress)
{
    keys.Press(kKeyLeftAlt);
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Skip);
    toggle.Reset();  // focus lost: the key-ups will not arrive
    keys.down.clear();
    EXPECT_EQ(Update(), Step::Run);
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Run);  // a later Enter alone is not swallowed
}

}  // namespace zelka
