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

// The whole press and its skipped updates run through the application in ZELKATest; here
// the edges of which key counts.
TEST_F(AltEnterToggleTest, OnlyAnEnterHitWhileAnAltIsDownCountsAndOnlyThatAltsRelease)
{
    keys.Press(kKeyRightAlt);
    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Skip);
    EXPECT_EQ(toggle.RememberedAlt(), kKeyRightAlt);
    keys.Release(kKeyEnter);
    keys.Release(kKeyRightAlt);
    keys.down.insert(kKeyLeftAlt);  // the other Alt held does not keep it pending
    EXPECT_EQ(Update(), Step::SkipAndToggle);
    keys.down.clear();

    keys.Press(kKeyEnter);
    EXPECT_EQ(Update(), Step::Run);
    keys.down.insert(kKeyLeftAlt);  // Alt after Enter is already down: no new hit
    EXPECT_EQ(Update(), Step::Run);
    EXPECT_EQ(toggle.RememberedAlt(), -1);
    keys.down.clear();

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
