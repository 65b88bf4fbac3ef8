// The unlock notices as the running game shows them: the game data's watch list, the
// application's hooks and player 1's toast on the current stage.
#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/stage/ExtendedStage.h"
#include "engine/text/Label.h"
#include "engine/ui/ToastPopup.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "screens/app/AppServices.h"
#include "screens/app/ZELKA.h"
#include "screens/locks/UnlockNotices.h"
#include "screens/results/ResultStage.h"
#include "services/data/ContentLock.h"
#include "services/player/PlayerStats.h"
#include "services/roster/Roster.h"
#include "tests/screens/AppDriver.h"
#include "tests/services/MediaFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zelka {
namespace {

constexpr int kShovel = 7;
constexpr int kIceWand = 8;

}  // namespace

class UnlockToastTest : public AppDriver<MediaFixture> {
protected:
    void SetUp() override
    {
        AppDriver::SetUp();
        std::filesystem::create_directory("savedata");
        GameData::SetHooks(&appHooks);  // the real notices
        app->SetStageBuilder(kStageIntro, [] { return Stage::New(0); });
        app->SetStageBuilder(kStageCharSelect, [] { return std::make_shared<ExtendedStage>(0); });
        app->OnCreate();
        RunTo(kStageCharSelect);
    }

    ToastPopup* Toast(int player) const
    {
        auto* stage = dynamic_cast<ExtendedStage*>(app->GetCurrentStage().get());
        return stage ? dynamic_cast<ToastPopup*>(stage->GetToast(player).get()) : nullptr;
    }
    // The text of the notice in player 1's toast, "" when it shows none.
    String ToastText() const
    {
        const ToastPopup* toast = Toast(1);
        const Ref<GDO> content = toast ? toast->GetContent() : nullptr;
        const Ref<GDO> last = content ? content->GetChild(content->ChildCount() - 1) : nullptr;
        const auto* label = dynamic_cast<const Label*>(last.get());
        return label ? label->GetText() : U"";
    }

    static bool Watched(const ContentLock* lock)
    {
        return std::ranges::any_of(GameData::locksToWatch,
                                   [lock](const Ref<ContentLock>& watched) { return watched.get() == lock; });
    }

    AppGameDataHooks appHooks;
};

TEST_F(UnlockToastTest, OneLockPerUpdateThroughPlayerOnesToastAndNoneOnTheResults)
{
    const Ref<CharProfile> gravo = Roster::GetCharacterById(4);
    const Ref<CharProfile> nella = Roster::GetCharacterById(5);
    ASSERT_TRUE(Watched(gravo->GetLock().get()));
    ASSERT_TRUE(Watched(nella->GetLock().get()));
    ASSERT_EQ(ToastText(), U"");
    GameData::stats->SetItemUses(1, kShovel, 15);
    GameData::stats->SetItemUses(2, kShovel, 15);
    GameData::stats->SetItemUses(1, kIceWand, 30);
    Update();
    EXPECT_EQ(ToastText(), contentlock::CharUnlockText(*gravo));
    EXPECT_FALSE(Watched(gravo->GetLock().get()));
    EXPECT_TRUE(Watched(nella->GetLock().get()));  // waits for the next update
    Update();
    EXPECT_EQ(ToastText(), contentlock::CharUnlockText(*nella));  // replaces the first
    EXPECT_FALSE(Watched(nella->GetLock().get()));
    ASSERT_NE(Toast(2), nullptr);
    EXPECT_EQ(Toast(2)->GetContent(), nullptr);  // player 2's toast stays out of it

    // A match counted on the results is announced only once they are left.
    const Ref<ContentLock> tombs = GameData::GetWorldLock(GameData::GetWorldIndexById(0));
    ASSERT_TRUE(tombs && Watched(tombs.get()));
    GameData::SetGameMode(1);
    GameData::player1->score = 10;
    GameData::player1->character = Roster::GetCharacterById(0);
    GameData::player2->character = Roster::GetCharacterById(1);
    RunTo(kStageResults);
    ASSERT_NE(dynamic_cast<ResultStage*>(app->GetCurrentStage().get()), nullptr);
    EXPECT_FALSE(tombs->LockActive());  // the match is counted
    for (int i = 0; i < 100; ++i) Update();
    EXPECT_TRUE(Watched(tombs.get()));  // nothing is announced here, so nothing is lost
    RunTo(kStageCharSelect);
    EXPECT_FALSE(Watched(tombs.get()));
    EXPECT_EQ(ToastText(), contentlock::GeneralUnlockText(U"THE LOST TOMBS"));
}

}  // namespace zelka
