#include "screens/charsel/CharRoulette.h"

#include "CharSelFixture.h"
#include "engine/media/StaticImage.h"
#include "engine/tween/TweenEngine.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"

#include <vector>

namespace zelka {
namespace {

constexpr int kLastEntry = 6;
constexpr int kFirstGuest = 4;   // locked until its item has been used often enough
constexpr int kRouletteStepMs = 10;

class CharRouletteTest : public CharSelFixture {
protected:
    void SetUp() override
    {
        CharSelFixture::SetUp();
        CharRoulette::lastCharAnnounced = -1;
        roulette = CharRoulette::New(0, -55.0f, 60.0f, engine);
    }

    // Engine updates until the running scroll has ended (at most two seconds).
    void FinishScroll()
    {
        for (int t = 0; t < 2000 && roulette->IsScrolling(); t += kRouletteStepMs) engine->Update(kRouletteStepMs);
    }

    // The roster entries whose faces the five slots show, top to bottom.
    std::vector<int> SlotEntries() const
    {
        std::vector<int> entries;
        for (int k = 0; k < 5; ++k) {
            const Ref<Texture> face = roulette->GetSlot(k)->GetTexture();
            int entry = -1;
            for (int e = 0; e < Roster::GetTotalCharacters(); ++e) {
                if (face && face->GetSource() == Roster::GetCharacterByIndex(e)->GetImgPath(kImgFace)) entry = e;
            }
            entries.push_back(entry);
        }
        return entries;
    }

    Ref<TweenEngine> engine = TweenEngine::New(U"TWEEN_ENGINE");
    Ref<CharRoulette> roulette;
};

TEST_F(CharRouletteTest, WrapsBothWaysAndRefusesScrollsWhileOneRunsOrOnceConfirmed)
{
    roulette->SetRoulette(kLastEntry);
    EXPECT_EQ(SlotEntries(), (std::vector<int>{4, 5, 6, 0, 1}));

    ASSERT_TRUE(roulette->ScrollUp());
    EXPECT_EQ(roulette->GetSelected(), 0);
    FinishScroll();
    EXPECT_EQ(SlotEntries(), (std::vector<int>{5, 6, 0, 1, 2}));
    EXPECT_FLOAT_EQ(roulette->position->y, 60.0f);  // the strip is back at its base

    ASSERT_TRUE(roulette->ScrollDown());
    EXPECT_EQ(roulette->GetSelected(), kLastEntry);
    FinishScroll();
    EXPECT_EQ(SlotEntries(), (std::vector<int>{4, 5, 6, 0, 1}));
    EXPECT_EQ(roulette->NormalizeIndex(-8), kLastEntry);

    // Refused while one runs or once confirmed; roulette 0 scrolls on channel 0.
    played_.clear();
    ASSERT_TRUE(roulette->ScrollUp());
    engine->Update(200);  // past the wait, the strip moving up
    EXPECT_LT(roulette->position->y, 60.0f);
    EXPECT_FALSE(roulette->ScrollUp());
    EXPECT_FALSE(roulette->ScrollDown());
    EXPECT_EQ(roulette->GetSelected(), 0);
    EXPECT_EQ(played_, (std::vector<Played>{{2, 0}}));

    FinishScroll();
    ASSERT_TRUE(roulette->ConfirmSelection(true));
    EXPECT_FALSE(roulette->ScrollDown());
    EXPECT_EQ(roulette->GetSelected(), 0);

    const Ref<CharRoulette> right = CharRoulette::New(1, 55.0f, 60.0f, engine);
    played_.clear();
    ASSERT_TRUE(right->ScrollDown());
    EXPECT_EQ(played_, (std::vector<Played>{{2, 1}}));
}

TEST_F(CharRouletteTest, HoldingScrollsOneCharacterPerWaitAndSlide)
{
    std::vector<int> starts;  // ms at which a held "up" moved the selection
    for (int t = 0; t <= 1200; t += kRouletteStepMs) {
        if (roulette->ScrollUp()) starts.push_back(t);
        engine->Update(kRouletteStepMs);
    }
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_EQ(starts[0], 0);
    for (size_t k = 1; k < starts.size(); ++k) {
        // 120 ms wait + 250 ms slide, plus the update in which the run ends.
        EXPECT_GE(starts[k] - starts[k - 1], 370);
        EXPECT_LE(starts[k] - starts[k - 1], 370 + 2 * kRouletteStepMs);
    }
    EXPECT_EQ(roulette->GetSelected(), 4);
}

TEST_F(CharRouletteTest, RepeatedConfirmationsAlternateTheVoiceUntilTheScreenEnds)
{
    const int voice = 100 + 2 * roulette->GetSelectedProfile()->GetId();
    ASSERT_TRUE(roulette->ConfirmSelection(true));
    EXPECT_FALSE(roulette->ConfirmSelection(true));  // already confirmed: no second voice
    ASSERT_TRUE(roulette->ConfirmSelection(false));
    EXPECT_FALSE(roulette->ConfirmSelection(false));
    ASSERT_TRUE(roulette->ConfirmSelection(true));
    ASSERT_TRUE(roulette->ConfirmSelection(false));
    ASSERT_TRUE(roulette->ConfirmSelection(true));
    EXPECT_EQ(played_, (std::vector<Played>{{voice, 3}, {voice + 1, 3}, {voice, 3}}));

    // The other roulette on the same character continues the alternation...
    const Ref<CharRoulette> right = CharRoulette::New(1, 55.0f, 60.0f, engine);
    ASSERT_TRUE(right->ConfirmSelection(true));
    EXPECT_EQ(played_.back().number, voice + 1);

    // ... within one visit only.
    roulette->Deallocate();
    right->Deallocate();
    EXPECT_EQ(CharRoulette::lastCharAnnounced, -1);
    const Ref<CharRoulette> next = CharRoulette::New(0, -55.0f, 60.0f, engine);
    ASSERT_TRUE(next->ConfirmSelection(true));
    EXPECT_EQ(played_.back().number, voice);
}

TEST_F(CharRouletteTest, ALockedCharacterShowsItsChainsAndCannotBeConfirmed)
{
    roulette->SetRoulette(kFirstGuest);
    EXPECT_TRUE(roulette->IsLocked(kFirstGuest));
    ASSERT_NE(roulette->GetLockNotice(kFirstGuest), nullptr);
    EXPECT_FALSE(roulette->GetLockNotice(kFirstGuest)->visible);  // built closed
    // Slots show entries 2, 3, 4, 5, 6: only the guests are chained.
    std::vector<bool> chained;
    for (int k = 0; k < 5; ++k) chained.push_back(roulette->GetSlot(k)->GetChildByName(U"LOCK")->visible);
    EXPECT_EQ(chained, (std::vector<bool>{false, false, true, true, true}));
    EXPECT_FALSE(roulette->ConfirmSelection(true));
    EXPECT_FALSE(roulette->IsConfirmed());
    EXPECT_TRUE(played_.empty());
    EXPECT_FALSE(roulette->IsLocked(0));
}

}  // namespace
}  // namespace zelka
