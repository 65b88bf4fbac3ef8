#include "screens/charsel/CharSelStage.h"

#include "CharSelFixture.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/media/TileSet.h"
#include "engine/stage/Game.h"
#include "engine/text/Label.h"
#include "engine/ui/Panel.h"
#include "platform/input/KeyCodes.h"
#include "screens/app/ZELKA.h"
#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/MatchSettings.h"
#include "screens/charsel/ProfileCard.h"
#include "screens/charsel/WorldSelector.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"
#include "services/settings/StageSettings.h"
#include "tests/screens/AppDriver.h"
#include "tests/support/UpdateStep.h"

#include <algorithm>

namespace zelka {
namespace {

// Game modes by identifier.
constexpr int kVersus1P = 0;
constexpr int kVersus2P = 1;
constexpr int kRace1P = 3;
constexpr int kLockedWorld = 2;   // The Lost Tombs, before any match
using testing::kStepMs;

class CharSelStageTest : public CharSelFixture {
protected:
    void SetUp() override
    {
        CharSelFixture::SetUp();
        CharRoulette::lastCharAnnounced = -1;
        app = std::make_unique<ZELKA>();
        app->SetMusic(std::make_shared<SilentMusic>());
        GameData::ResetPlayerInfo();
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    }

    void TearDown() override
    {
        if (stage) stage->Deallocate();
        app.reset();
        CharSelFixture::TearDown();
    }

    void Load(int mode)
    {
        GameData::SetGameMode(mode);
        stage = CharSelStage::New();
        while (stage->GetLoadingProgress() < 100) {
        }
        played_.clear();
    }

    // Both players on the keyboard, each with the two-player keys.
    void SecondPlayerOnKeyboard()
    {
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        GameData::ResetDeviceSettings(1);
        GameData::ResetDeviceSettings(2);
    }

    int Code(int player, int action) const
    {
        const InputMapping& mapping = *GameData::GetPlayer(player)->GetInputMapping();
        return mapping.GetHardware()->SearchInputByName(mapping.GetKey(action))->GetCode();
    }

    void Step()
    {
        GameData::UpdateRegisteredHardware();
        stage->Update(kStepMs);
        keys_->EndUpdate();
    }

    // One update with the key pressed, then released.
    void PressKey(int code)
    {
        keys_->KeyEvent(kEventKeyDown, code);
        Step();
        keys_->KeyEvent(kEventKeyUp, code);
    }
    void Press(int action, int player = 1) { PressKey(Code(player, action)); }

    // Held for `ms`, then released and left alone until the slides are over.
    void Hold(int action, int ms)
    {
        keys_->KeyEvent(kEventKeyDown, Code(1, action));
        Wait(ms);
        keys_->KeyEvent(kEventKeyUp, Code(1, action));
        Wait(600);
    }
    void Wait(int ms)
    {
        for (int t = 0; t < ms; t += kStepMs) Step();
    }

    CharRoulette& Roulette(int i) { return *stage->GetRoulette(i); }
    bool WasPlayed(int number) const
    {
        return std::ranges::any_of(played_, [number](const Played& p) { return p.number == number; });
    }
    bool Preloaded(int number) const { return std::ranges::find(preloaded_, number) != preloaded_.end(); }
    Ref<GDO> Named(const char32_t* nodeName) const { return stage->GetRootGDO()->GetChildByName(nodeName); }

    std::unique_ptr<ZELKA> app;
    Ref<CharSelStage> stage;
};

TEST_F(CharSelStageTest, LoadsBothSidesFromThePlayersCharacters)
{
    GameData::player1->character = Roster::GetCharacterByIndex(3);
    Load(kVersus1P);
    EXPECT_EQ(Roulette(0).GetSelected(), 3);
    EXPECT_EQ(Roulette(1).GetSelected(), 1);  // none chosen: its own index
    EXPECT_EQ(stage->GetNameLabel(0)->GetText(), Roster::GetCharacterByIndex(3)->GetName());
    // Player 1's card rests over player 1's portrait on the left.
    EXPECT_LT(stage->GetPortraits(0)->position->x, 0.0f);
    EXPECT_FLOAT_EQ(stage->GetCard(0)->GetRestX(), stage->GetPortraits(0)->position->x);
    EXPECT_FLOAT_EQ(stage->GetCard(1)->GetRestX(), stage->GetPortraits(1)->position->x);
    EXPECT_EQ(stage->GetWinsLabel(0)->GetText(), U"WINS 0");
    EXPECT_NE(stage->GetSettingsPanel(), nullptr);
    // Step 6 preloads every voice and world line.
    EXPECT_TRUE(Preloaded(113));
    EXPECT_TRUE(Preloaded(203));
    stage->FirstStageUpdate();
    EXPECT_EQ(played_, (std::vector<Played>{{300, 3}}));
}

// Cancel takes back the last pick in every panel; Escape leaves from any of them.
TEST_F(CharSelStageTest, VersusGoesFromCharactersToWorldToSettingsToTheMatch)
{
    Load(kVersus1P);
    Press(kActionAccept);
    Hold(kActionUp, kStepMs);  // the computer's roulette: entry 1 -> 2
    Press(kActionAccept);
    ASSERT_TRUE(Roulette(1).IsConfirmed());
    EXPECT_EQ(Roulette(1).GetSelected(), 2);
    EXPECT_TRUE(stage->GetWorldPanel()->IsOpen());
    Press(kActionCancel);  // takes back the last pick and closes the panel
    EXPECT_FALSE(Roulette(1).IsConfirmed());
    EXPECT_TRUE(Roulette(0).IsConfirmed());
    Wait(600);
    EXPECT_FALSE(stage->GetWorldPanel()->IsOpen());
    Press(kActionAccept);
    ASSERT_TRUE(stage->GetWorldPanel()->IsOpen());

    Press(kActionRight);  // The Frozen Labyrinth
    EXPECT_EQ(stage->GetWorldSelector()->GetSelectedWorld(), 1);
    played_.clear();
    Press(kActionAccept);
    EXPECT_EQ(GameData::currentWorldNdx, 1);
    EXPECT_EQ(GameData::player1->character, Roster::GetCharacterByIndex(0));
    EXPECT_EQ(GameData::player2->character, Roster::GetCharacterByIndex(2));
    EXPECT_TRUE(WasPlayed(200 + GameData::GetCurrentWorldId()));
    EXPECT_TRUE(stage->GetSettingsPanel()->IsOpen());
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);

    Press(kActionDown);   // the first parameter
    Press(kActionRight);  // changed: a custom mix
    EXPECT_EQ(stage->GetMatchSettings()->GetSelectedField(), 0);
    EXPECT_EQ(GameData::gameSettings->GetCurrentPreset(), -1);
    Press(kActionCancel);  // back to the world, which stays chosen
    Wait(600);
    EXPECT_FALSE(stage->GetSettingsPanel()->IsOpen());
    EXPECT_TRUE(stage->GetWorldPanel()->IsOpen());
    Press(kActionAccept);
    Press(kActionStart);
    EXPECT_EQ(app->GetNextStageId(), kStageMatch);
    EXPECT_EQ(app->GetExtraWait(), 0);
}

TEST_F(CharSelStageTest, ALockedWorldOpensItsNoticeAndAnOpenOneStartsTheRaceAfterAWait)
{
    Load(kRace1P);
    EXPECT_EQ(stage->GetSettingsPanel(), nullptr);
    for (int action : {kActionAccept, kActionAccept, kActionLeft, kActionLeft}) Press(action);  // world 0 -> 3 -> 2
    ASSERT_EQ(stage->GetWorldSelector()->GetSelectedWorld(), kLockedWorld);
    Step();  // the notice is attached, closed
    const Ref<GDO> notice = Named(U"WORLD_LOCK");
    ASSERT_TRUE(notice && !notice->visible);

    Press(kActionAccept);
    EXPECT_TRUE(notice->visible);
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    EXPECT_EQ(GameData::currentWorldNdx, 0);

    Press(kActionCancel);  // closes the notice, the world panel stays
    Wait(400);
    EXPECT_FALSE(notice->visible);
    EXPECT_TRUE(stage->GetWorldPanel()->IsOpen());
    EXPECT_TRUE(Roulette(1).IsConfirmed());

    Press(kActionRight);  // world 3, locked too: the notice of world 2 leaves the stage
    Wait(100);
    EXPECT_EQ(notice->GetParent(), nullptr);
    EXPECT_NE(Named(U"WORLD_LOCK"), nullptr);
    EXPECT_NE(Named(U"WORLD_LOCK"), notice);

    Press(kActionRight);  // round to the first world, open: the race starts at once
    Press(kActionAccept);
    EXPECT_EQ(app->GetNextStageId(), kStageMatch);
    EXPECT_EQ(app->GetExtraWait(), 2000);
    EXPECT_EQ(GameData::currentWorldNdx, 0);
}

// A cancel while a world's lock notice already folds away is not used up by it: the world
// panel closes and the last confirmation is taken back (the computer's in a one-player
// mode, player 1's in a two-player mode).
TEST_F(CharSelStageTest, CancelDuringAClosingWorldNoticeStepsBackToTheCharacters)
{
    for (int mode : {kVersus1P, kVersus2P}) {
        SCOPED_TRACE(mode);
        if (stage) stage->Deallocate();
        if (mode == kVersus2P) SecondPlayerOnKeyboard();
        Load(mode);
        Press(kActionAccept);
        Press(kActionAccept, mode == kVersus2P ? 2 : 1);
        ASSERT_TRUE(stage->GetWorldPanel()->IsOpen());
        for (int action : {kActionLeft, kActionLeft, kActionAccept}) Press(action);  // world 0 -> 3 -> 2
        const Ref<GDO> notice = Named(U"WORLD_LOCK");
        ASSERT_TRUE(notice && notice->visible);

        Press(kActionCancel);  // folds the notice
        ASSERT_TRUE(notice->visible);
        EXPECT_TRUE(Roulette(0).IsConfirmed() && Roulette(1).IsConfirmed());
        Press(kActionCancel);  // while it folds
        const int undone = mode == kVersus2P ? 0 : 1;
        EXPECT_FALSE(Roulette(undone).IsConfirmed());
        EXPECT_TRUE(Roulette(1 - undone).IsConfirmed());
        Wait(600);
        EXPECT_FALSE(stage->GetWorldPanel()->IsOpen());
        EXPECT_FALSE(notice->visible);
        EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    }
}

TEST_F(CharSelStageTest, ALockedCharacterShowsQuestionMarksAndOnlyItsNotice)
{
    Load(kVersus1P);
    Hold(kActionDown, kStepMs);  // 0 -> 6, a guest
    ASSERT_EQ(Roulette(0).GetSelected(), 6);
    EXPECT_FLOAT_EQ(stage->GetPortraits(0)->position->y, 0.0f);  // the slide has ended
    EXPECT_EQ(stage->GetNameLabel(0)->GetText(), U"?????????");
    EXPECT_TRUE(stage->GetPortraits(0)->GetChildByName(U"PROFILE_PIC")->GetChildByName(U"LOCKED")->visible);
    const Ref<GDO> notice = Named(U"CHAR0_LOCK");
    ASSERT_NE(notice, nullptr);

    Press(kActionAccept);
    EXPECT_FALSE(Roulette(0).IsConfirmed());
    EXPECT_TRUE(notice->visible);
    EXPECT_TRUE(WasPlayed(14));  // the notice opens with its sound

    Press(kActionCancel);  // closes the notice; not back to the title
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    Wait(400);
    EXPECT_FALSE(notice->visible);

    Hold(kActionDown, kStepMs);  // 6 -> 5, another guest: the old notice is swapped out
    EXPECT_EQ(notice->GetParent(), nullptr);
    EXPECT_NE(Named(U"CHAR0_LOCK"), notice);
    EXPECT_EQ(stage->GetPortraits(0)->ChildCount(), 2);  // the portrait and one "OTHER"

    Hold(kActionUp, kStepMs);  // back to 6: its notice is reused, not rebuilt
    EXPECT_EQ(Named(U"CHAR0_LOCK"), notice);

    // Dropping the old sliding copy released nothing that is still on screen.
    const Ref<GDO> picture = stage->GetPortraits(0)->GetChildByName(U"PROFILE_PIC");
    EXPECT_NE(dynamic_cast<StaticImage&>(*picture).GetTexture()->GetImage(), nullptr);
    const auto& noise = dynamic_cast<Sprite&>(*picture->GetChildByName(U"LOCKED"));
    EXPECT_NE(dynamic_cast<TileSet&>(*noise.GetTileSet()).GetTexture()->GetImage(), nullptr);
    EXPECT_NE(Roulette(0).GetPortrait(5)->GetImage(), nullptr);
}

TEST_F(CharSelStageTest, LeftOrRightTogglesTheCardAndConfirmingHidesIt)
{
    Load(kVersus1P);
    Press(kActionRight);
    EXPECT_TRUE(stage->GetCard(0)->visible);
    Wait(400);
    Press(kActionLeft);
    Wait(400);
    EXPECT_FALSE(stage->GetCard(0)->visible);
    Press(kActionLeft);
    Press(kActionAccept);
    Wait(400);
    EXPECT_FALSE(stage->GetCard(0)->visible);
}

TEST_F(CharSelStageTest, TwoPlayersEachDriveTheirOwnRouletteAndEscapeLeavesTheWorldPanel)
{
    SecondPlayerOnKeyboard();
    GameData::player2->ClearInputMapping();
    Load(kVersus2P);
    Step();
    EXPECT_FALSE(stage->GetWinsLabel(1)->visible);  // player 2 has not joined yet

    SecondPlayerOnKeyboard();
    Step();
    EXPECT_TRUE(stage->GetWinsLabel(1)->visible);
    Press(kActionAccept, 2);
    EXPECT_TRUE(Roulette(1).IsConfirmed());
    EXPECT_FALSE(Roulette(0).IsConfirmed());
    Press(kActionCancel, 2);  // player 2 with nothing left to take back stays
    Press(kActionCancel, 2);
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    Press(kActionAccept, 2);
    Press(kActionAccept, 1);
    EXPECT_TRUE(stage->GetWorldPanel()->IsOpen());
    PressKey(kKeyEscape);  // from any phase, the world panel's too
    EXPECT_EQ(app->GetNextStageId(), kStageTitle);
}

}  // namespace
}  // namespace zelka
