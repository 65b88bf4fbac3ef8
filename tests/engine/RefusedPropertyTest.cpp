// A property write the target refuses still changes nothing, but never silently: a direct
// call is reported once per calling line, a binding once per binding, and a binding's own
// writes are not reported a second time as direct calls.

#include "engine/core/RefusedProperty.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/display/GDOWithTween.h"
#include "engine/display/RectangleGDO.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "engine/ui/Panel.h"

#include <gtest/gtest.h>

#include <string>

namespace zelka {
namespace {

int Lines(const std::string& text)
{
    int lines = 0;
    for (const char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

TEST(RefusedPropertyTest, DirectCallsAreReportedOncePerCallSite)
{
    const Ref<RectangleGDO> pad = RectangleGDO::New(0.0f, 0.0f, false);
    const int before = RefusedPropertyCount();
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(pad->SetFloatProperty(U"width", 120.0f));   // read-only: one report
    }
    EXPECT_FALSE(pad->SetFloatProperty(U"x", 1.0f));            // another line: another one
    EXPECT_TRUE(pad->SetFloatProperty(U"alpha", 0.5f));          // accepted: none
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(RefusedPropertyCount(), before + 2);
    EXPECT_EQ(Lines(err), 2) << err;
    EXPECT_NE(err.find("refused float property \"width\" at "), std::string::npos) << err;
    EXPECT_NE(err.find("RefusedPropertyTest.cpp:"), std::string::npos) << err;
    EXPECT_EQ(pad->GetWidth(), 0.0f);
    EXPECT_EQ(pad->alpha, 0.5f);
}

TEST(RefusedPropertyTest, RefusedBindingsAreCountedOnceNotAgainAsDirectWrites)
{
    AudioManager::ResetState();
    SoundManager::ResetState();
    const int before = RefusedPropertyCount();
    ::testing::internal::CaptureStderr();
    const Ref<Tween> tween = Tween::New(LinearEase::New(), 1.0f, 8.0f, 100, false, false);
    const Ref<GDOWithTween> grower = GDOWithTween::New(GDO::New(), tween, U"size");
    tween->Start();
    for (int i = 0; i < 5; ++i) grower->Update(16);
    const Ref<Panel> panel = Panel::New(GDO::New(), U"height", 0.0f, 1.0f, 100, nullptr);
    panel->Open(true, false, 0);
    panel->Close2(true, false);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(RefusedPropertyCount(), before + 2) << err;
    EXPECT_EQ(err, "refused float property \"size\"\nrefused float property \"height\"\n");
    SoundManager::ResetState();
    AudioManager::ResetState();
}

}  // namespace
}  // namespace zelka
