#include "screens/locks/LockCard.h"

#include "engine/display/DrawingState.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/display/GDOWithSize.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/ui/Panel.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
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

void PlayMatches(PlayerStats& stats, int count)
{
    stats.GetModeStats(1)->matches = count;
}

}  // namespace

class LockCardTest : public ::testing::Test {
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
        GameData::stdFont.reset();
        GameData::stats.reset();
        Texture::encryptionEnabled = false;
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    static LabelWithShadow* CardLabel(const Panel& panel)
    {
        const Ref<GDO> card = panel.GetContent();
        return card ? dynamic_cast<LabelWithShadow*>(card->GetChild(0).get()) : nullptr;
    }

    RecordingGraphicsDevice device{640, 360};
};

TEST_F(LockCardTest, MatchCountdownSaysMatchOnlyBelowTwo)
{
    const Ref<ContentLock> lock = Lock(kLockTotalMatches, 0, 5);
    PlayerStats& stats = *GameData::stats;
    PlayMatches(stats, 3);
    EXPECT_EQ(contentlock::LockCardText(*lock, stats), U"PLAY 2 MORE MATCHES TO UNLOCK!");
    PlayMatches(stats, 4);
    EXPECT_EQ(contentlock::LockCardText(*lock, stats), U"PLAY 1 MORE MATCH TO UNLOCK!");
    PlayMatches(stats, 5);  // open: no text, no card
    EXPECT_EQ(contentlock::LockCardText(*lock, stats), U"");
    EXPECT_EQ(contentlock::CreateLockGDO(lock), nullptr);
}

TEST_F(LockCardTest, ItemCountdownCountsBothPlayersAndKeepsTimes)
{
    const Ref<ContentLock> lock = Lock(kLockItemUses, kIceWand, 30);
    PlayerStats& stats = *GameData::stats;
    EXPECT_EQ(contentlock::LockCardText(*lock, stats), U"USE THE ICE WAND 30 TIMES TO UNLOCK!");
    stats.SetItemUses(1, kIceWand, 20);
    stats.SetItemUses(2, kIceWand, 9);
    EXPECT_EQ(contentlock::LockCardText(*lock, stats), U"USE THE ICE WAND 1 TIMES TO UNLOCK!");
    // A card is a snapshot of the moment it is built.
    const Ref<Panel> card = contentlock::CreateLockGDO(lock);
    stats.SetItemUses(1, kIceWand, 10);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(CardLabel(*card)->GetText(), U"USE THE ICE WAND 1 TIMES TO UNLOCK!");
}

TEST_F(LockCardTest, NoCardWithoutAnActiveLockOrForAnUnknownItem)
{
    EXPECT_EQ(contentlock::CreateLockGDO(nullptr), nullptr);
    EXPECT_EQ(contentlock::CreateLockGDO(Lock(7, 0, 99)), nullptr);  // a kind that never locks
    EXPECT_EQ(contentlock::CreateLockGDO(ContentLock::New2()), nullptr);
    // Items outside 0..8 are never counted, so such a lock would ask forever.
    for (int item : {-1, 9, 1000}) {
        const Ref<ContentLock> lock = Lock(kLockItemUses, item, 5);
        EXPECT_TRUE(lock->LockActive(*GameData::stats)) << item;
        EXPECT_EQ(contentlock::LockCardText(*lock, *GameData::stats), U"") << item;
        EXPECT_EQ(contentlock::CreateLockGDO(lock), nullptr) << item;
    }
}

TEST_F(LockCardTest, IconsByKind)
{
    // Matches: the key, left of the text, which moves right to make room.
    const Ref<Panel> matches = contentlock::CreateLockGDO(Lock(kLockTotalMatches, 0, 1));
    ASSERT_NE(matches, nullptr);
    EXPECT_FALSE(matches->IsOpen());  // its owner opens it
    const Ref<GDO> body = matches->GetContent();
    ASSERT_EQ(body->ChildCount(), 2);
    auto* key = dynamic_cast<StaticImage*>(body->GetChild(1).get());
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->GetTexture()->GetSource(), U"key.png");
    EXPECT_GT(key->GetWidth(), 0.0f);
    EXPECT_FLOAT_EQ(key->position->x, -104.0f - key->GetWidth() / 2.0f);
    EXPECT_FLOAT_EQ(CardLabel(*matches)->position->x, 24.0f);

    // Item uses: the item's icon.
    const Ref<Panel> item = contentlock::CreateLockGDO(Lock(kLockItemUses, kIceWand, 30));
    ASSERT_NE(item, nullptr);
    ASSERT_EQ(item->GetContent()->ChildCount(), 2);
    auto* icon = dynamic_cast<Sprite*>(item->GetContent()->GetChild(1).get());
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetCurrentFrame(), kIceWand + 1);  // frame 0 is the empty slot
    EXPECT_FLOAT_EQ(icon->position->x, -104.0f - 16.0f);

    // Coming soon: the text alone, where it was.
    const Ref<Panel> soon = contentlock::CreateLockGDO(Lock(kLockComingSoon, 0, 0));
    ASSERT_NE(soon, nullptr);
    EXPECT_EQ(soon->GetContent()->ChildCount(), 1);
    EXPECT_EQ(CardLabel(*soon)->GetText(), U"     - COMING SOON! -");
    EXPECT_FLOAT_EQ(CardLabel(*soon)->position->x, 0.0f);
}

// Menus build a card once and move it between their rows.
TEST_F(LockCardTest, CardSurvivesBeingDetachedAndAddedAgain)
{
    const Ref<Panel> card = contentlock::CreateLockGDO(Lock(kLockTotalMatches, 0, 3));
    ASSERT_NE(card, nullptr);
    const Ref<EmptyGDOContainer> first = EmptyGDOContainer::New();
    const Ref<EmptyGDOContainer> second = EmptyGDOContainer::New();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(first->AddChild(card));
        card->Open(false, false, 0);
        first->Update(400);
        EXPECT_TRUE(card->IsFullyOpen());
        card->DetachFromParent();
        EXPECT_EQ(first->ChildCount(), 0);
        ASSERT_TRUE(second->AddChild(card));
        card->Close2(true, false);
        second->Update(16);
        card->DetachFromParent();
    }
    EXPECT_FALSE(card->IsReleased());
    ASSERT_EQ(card->GetContent()->ChildCount(), 2);
    EXPECT_EQ(CardLabel(*card)->GetText(), U"PLAY 3 MORE MATCHES TO UNLOCK!");
}

// Colour codes may hold a 0 component: the expected texts are built with their lengths.
TEST_F(LockCardTest, NoticeTextsAreExact)
{
    const String green(U"\x12\x20\x96\x5a", 4);   // (32, 150, 90)
    const String amber(U"\x12\xff\xbe\0", 4);     // (255, 190, 0)
    const String blue(U"\x12\x64\xae\xf5", 4);    // (100, 174, 245)
    EXPECT_EQ(contentlock::GeneralUnlockText(U"THE LOST TOMBS"),
              green + U"THE LOST TOMBS" + amber + U"\nUNLOCKED");
    Roster::Init();
    const Ref<CharProfile> nella = Roster::GetCharacterById(5);
    ASSERT_NE(nella, nullptr);
    EXPECT_EQ(contentlock::CharUnlockText(*nella), blue + U"NELLA PIP" + amber + U"\nUNLOCKED");
}

TEST_F(LockCardTest, NoticeBodies)
{
    const Ref<GDOWithSize> world = contentlock::CreateGeneralUnlockNotification(U"THE LOST TOMBS");
    EXPECT_FLOAT_EQ(world->GetWidth(), 200.0f);
    EXPECT_FLOAT_EQ(world->GetHeight(), 32.0f);
    ASSERT_EQ(world->ChildCount(), 1);
    auto* label = dynamic_cast<Label*>(world->GetChild(0).get());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), contentlock::GeneralUnlockText(U"THE LOST TOMBS"));
    EXPECT_EQ(label->GetLines().size(), 2u);  // the name, then "UNLOCKED"

    Roster::Init();
    const Ref<CharProfile> nella = Roster::GetCharacterById(5);
    const Ref<GDOWithSize> notice = contentlock::CreateCharUnlockNotification(*nella);
    ASSERT_EQ(notice->ChildCount(), 2);
    auto* sprite = dynamic_cast<Sprite*>(notice->GetChild(0).get());
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->GetCurrentSequence(), U"down");
    EXPECT_EQ(sprite->GetCurrentFrame(), nella->GetSpriteSequence(kSeqDown).front());
    EXPECT_FLOAT_EQ(sprite->GetHeight(), static_cast<float>(nella->GetSpriteHeight()));
    EXPECT_FLOAT_EQ(sprite->position->x, 70.0f);
    EXPECT_FLOAT_EQ(sprite->position->y, -6.0f);
    auto* name = dynamic_cast<Label*>(notice->GetChild(1).get());
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->GetText(), contentlock::CharUnlockText(*nella));
}

}  // namespace zelka
