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

    // The text of the notice in player 1's toast, "" when it shows none.
    String ToastText() const
    {
        auto* stage = dynamic_cast<ExtendedStage*>(app->GetCurrentStage().get());
        if (stage == nullptr) {
            return U"";
        }
        auto* toast = dynamic_cast<ToastPopup*>(stage->GetToast(1).get());
        if (toast == nullptr || !toast->GetContent()) {
            return U"";
        }
        const Ref<GDO>& content = toast->GetContent();
        auto* label = dynamic_cast<Label*>(content->GetChild(content->ChildCount() - 1).get());
        return label != nullptr ? label->GetText() : U"";
    }

    bool Watched(const ContentLock* lock) const
    {
        for (const Ref<ContentLock>& watched : GameData::locksToWatch) {
            if (watched.get() == lock) {
                return true;
            }
        }
        return false;
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
    auto* stage = dynamic_cast<ExtendedStage*>(app->GetCurrentStage().get());
    auto* toast2 = dynamic_cast<ToastPopup*>(stage->GetToast(2).get());
    ASSERT_NE(toast2, nullptr);
    EXPECT_EQ(toast2->GetContent(), nullptr);  // player 2's toast stays out of it

    // A match counted on the results is announced only once they are left.
    const Ref<ContentLock> tombs = GameData::GetWorldLock(GameData::GetWorldIndexById(0));
    ASSERT_TRUE(tombs);
    ASSERT_TRUE(Watched(tombs.get()));
    GameData::SetGameMode(1);
    GameData::player1->score = 10;
    GameData::player1->character = Roster::GetCharacterById(0);
    GameData::player2->character = Roster::GetCharacterById(1);
    RunTo(kStageResults);
    ASSERT_NE(dynamic_cast<ResultStage*>(app->GetCurrentStage().get()), nullptr);
    EXPECT_FALSE(tombs->LockActive());  // the match is counted
    for (int i = 0; i < 100; ++i) {
        Update();
    }
    EXPECT_TRUE(Watched(tombs.get()));  // nothing is announced here, so nothing is lost
    RunTo(kStageCharSelect);
    EXPECT_FALSE(Watched(tombs.get()));
    EXPECT_EQ(ToastText(), contentlock::GeneralUnlockText(U"THE LOST TOMBS"));
}

}  // namespace zelka
