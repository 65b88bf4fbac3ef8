// The check every screen test ends with sees a refused write made directly by a call, not
// only through a tween or a panel.

#include "engine/text/Label.h"
#include "tests/screens/ScreenTestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace zelka::testing_screens {
namespace {

using NothingRefusedTest = ScreenFixture;

TEST_F(NothingRefusedTest, ADirectlyRefusedKeyFailsTheScreenTest)
{
    const Ref<Label> label = Label::New(GameData::stdFont, 1.0f);
    EXPECT_TRUE(label->SetFloatProperty(U"width", 80.0f));
    ExpectNothingRefused();
    label->SetFloatProperty(U"textureframe", 2.0f);   // an image's key, not a label's
    EXPECT_EQ(RefusedSinceStart(), 1);
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ExpectNothingRefused();
    }
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    ForgiveRefusals();   // provoked on purpose: the tear-down's check passes
}

void RefuseTextureFrame(Label& label)
{
    label.SetFloatProperty(U"textureframe", 2.0f);   // one calling line for every call
}

// A line is reported once per test, not once per process: run whole, a later test that
// reaches the line an earlier one reached fails as well.
TEST_F(NothingRefusedTest, ALineRefusedInAnEarlierTestFailsTheNextToo)
{
    const Ref<Label> label = Label::New(GameData::stdFont, 1.0f);
    RefuseTextureFrame(*label);
    RefuseTextureFrame(*label);   // the same test: reported already
    EXPECT_EQ(RefusedSinceStart(), 1);
    ForgiveRefusals();

    struct NextTest : NothingRefused {
        using NothingRefused::RefusedSinceStart;
    } next;
    RefuseTextureFrame(*label);
    EXPECT_EQ(next.RefusedSinceStart(), 1);
    ForgiveRefusals();
}

}  // namespace
}  // namespace zelka::testing_screens
