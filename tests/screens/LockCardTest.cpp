#include "screens/locks/LockCard.h"

#include "engine/display/DrawingState.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/display/GDOWithSize.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/ui/Panel.h"
#include "match/items/ItemStackSlot.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "tests/engine/NothingRefused.h"
#include "screens/locks/UnlockNotices.h"
#include "services/data/ContentLock.h"
#include "services/data/GameData.h"
#include "services/player/PlayerStats.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

constexpr int kIceWand = 8;

Ref<ContentLock> Lock(int kind, int param, int count)
{
    return ContentLock::New(static_cast<const CharProfile*>(nullptr), kind, param, count);
}

const LabelWithShadow& CardLabel(const Panel& panel)
{
    return dynamic_cast<const LabelWithShadow&>(*panel.GetContent()->GetChild(0));
}

}  // namespace

class LockCardTest : public ::testing::Test, public NothingRefused {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        Texture::encryptionEnabled = true;
        GameData::stdFont = Font::New(U"press_start_k.fnt");
        GameData::stats = PlayerStats::New();
    }
    void TearDown() override
    {
        ExpectNothingRefused();
        GameData::stdFont.reset();
        GameData::stats.reset();
        Texture::encryptionEnabled = false;
        graphics::ResetContext();
        same::ResetDrawingState();
    }
    RecordingGraphicsDevice device{640, 360};
};

TEST_F(LockCardTest, TextsAtTheirBoundariesAndNoCardWithoutAnActiveLock)
{
    PlayerStats& stats = *GameData::stats;
    const Ref<ContentLock> matches = Lock(kLockTotalMatches, 0, 5);
    stats.GetModeStats(1)->matches = 3;
    EXPECT_EQ(contentlock::LockCardText(*matches, stats), U"PLAY 2 MORE MATCHES TO UNLOCK!");
    stats.GetModeStats(1)->matches = 4;
    EXPECT_EQ(contentlock::LockCardText(*matches, stats), U"PLAY 1 MORE MATCH TO UNLOCK!");

    // Both players' uses count; "1 TIMES" is the game's own wording.
    const Ref<ContentLock> wand = Lock(kLockItemUses, kIceWand, 30);
    EXPECT_EQ(contentlock::LockCardText(*wand, stats), U"USE THE ICE WAND 30 TIMES TO UNLOCK!");
    stats.SetItemUses(1, kIceWand, 20);
    stats.SetItemUses(2, kIceWand, 9);
    const Ref<Panel> card = contentlock::CreateLockGDO(wand);
    ASSERT_TRUE(card);
    stats.SetItemUses(1, kIceWand, 0);  // a card is a snapshot of when it was built
    EXPECT_EQ(CardLabel(*card).GetText(), U"USE THE ICE WAND 1 TIMES TO UNLOCK!");

    // No card without an active lock, nor for an item outside 0..8.
    stats.GetModeStats(0)->matches = 1;  // five in all: open
    EXPECT_EQ(contentlock::CreateLockGDO(Lock(kLockTotalMatches, 0, 5)), nullptr);
    EXPECT_EQ(contentlock::CreateLockGDO(nullptr), nullptr);
    EXPECT_EQ(contentlock::CreateLockGDO(Lock(7, 0, 99)), nullptr);  // a kind that never locks
    // Items outside 0..8 are never counted, so such a lock would ask forever.
    for (int item : {-1, 9, 1000}) {
        const Ref<ContentLock> lock = Lock(kLockItemUses, item, 5);
        EXPECT_TRUE(lock->LockActive(*GameData::stats)) << item;
        EXPECT_EQ(contentlock::CreateLockGDO(lock), nullptr) << item;
    }
}

TEST_F(LockCardTest, IconsByKind)
{
    // Matches: the key left of the text, which moves right to make room.
    // A failed cast throws, which fails the test.
    const Ref<Panel> matches = contentlock::CreateLockGDO(Lock(kLockTotalMatches, 0, 1));
    ASSERT_TRUE(matches);
    EXPECT_FALSE(matches->IsOpen());  // its owner opens it
    ASSERT_EQ(matches->GetContent()->ChildCount(), 2);
    EXPECT_EQ(dynamic_cast<StaticImage&>(*matches->GetContent()->GetChild(1)).GetTexture()->GetSource(), U"key.png");
    EXPECT_GT(CardLabel(*matches).position->x, 0.0f);

    const Ref<Panel> item = contentlock::CreateLockGDO(Lock(kLockItemUses, kIceWand, 30));
    ASSERT_TRUE(item);
    EXPECT_EQ(dynamic_cast<ItemStackSlot&>(*item->GetContent()->GetChild(1)).GetItemType(), kIceWand);

    // Coming soon: the text alone, where it was.
    const Ref<Panel> soon = contentlock::CreateLockGDO(Lock(kLockComingSoon, 0, 0));
    ASSERT_TRUE(soon);
    EXPECT_EQ(soon->GetContent()->ChildCount(), 1);
    EXPECT_EQ(CardLabel(*soon).GetText(), U"     - COMING SOON! -");
    EXPECT_FLOAT_EQ(CardLabel(*soon).position->x, 0.0f);
}

// Menus build a card once and move it between their rows.
TEST_F(LockCardTest, CardSurvivesBeingDetachedAndAddedAgain)
{
    const Ref<Panel> card = contentlock::CreateLockGDO(Lock(kLockTotalMatches, 0, 3));
    ASSERT_TRUE(card);
    const Ref<EmptyGDOContainer> first = EmptyGDOContainer::New();
    const Ref<EmptyGDOContainer> second = EmptyGDOContainer::New();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(first->AddChild(card));
        card->Open(false, false, 0);
        first->Update(400);
        EXPECT_TRUE(card->IsFullyOpen());
        card->DetachFromParent();
        ASSERT_TRUE(second->AddChild(card));
        card->Close2(true, false);
        second->Update(16);
        card->DetachFromParent();
    }
    ASSERT_EQ(card->GetContent()->ChildCount(), 2);
    EXPECT_EQ(CardLabel(*card).GetText(), U"PLAY 3 MORE MATCHES TO UNLOCK!");
}

// Colour codes may hold a 0 component: the expected texts are built with their lengths.
TEST_F(LockCardTest, NoticesAreExact)
{
    const String green(U"\x12\x20\x96\x5a", 4);   // (32, 150, 90)
    const String amber(U"\x12\xff\xbe\0", 4);     // (255, 190, 0)
    const String blue(U"\x12\x64\xae\xf5", 4);    // (100, 174, 245)
    const Ref<GDOWithSize> world = contentlock::CreateGeneralUnlockNotification(U"THE LOST TOMBS");
    EXPECT_FLOAT_EQ(world->GetWidth(), 200.0f);
    ASSERT_EQ(world->ChildCount(), 1);
    const auto& text = dynamic_cast<Label&>(*world->GetChild(0));
    EXPECT_EQ(text.GetText(), green + U"THE LOST TOMBS" + amber + U"\nUNLOCKED");
    EXPECT_EQ(text.GetLines().size(), 2u);

    Roster::Init();
    const Ref<CharProfile> nella = Roster::GetCharacterById(5);
    const Ref<GDOWithSize> notice = contentlock::CreateCharUnlockNotification(*nella);
    ASSERT_EQ(notice->ChildCount(), 2);
    const auto& sprite = dynamic_cast<Sprite&>(*notice->GetChild(0));
    EXPECT_EQ(sprite.GetCurrentSequence(), U"down");
    EXPECT_FLOAT_EQ(sprite.GetHeight(), static_cast<float>(nella->GetSpriteHeight()));
    EXPECT_EQ(dynamic_cast<Label&>(*notice->GetChild(1)).GetText(), blue + U"NELLA PIP" + amber + U"\nUNLOCKED");
}

}  // namespace zelka
