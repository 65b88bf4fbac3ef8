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

}  // namespace
}  // namespace zelka::testing_screens
