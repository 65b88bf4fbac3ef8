#include "screens/charsel/ProfileCard.h"

#include "CharSelFixture.h"
#include "engine/text/Label.h"
#include "engine/tween/TweenEngine.h"
#include "screens/charsel/CharSelConstants.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"

namespace zelka {
namespace {

class ProfileCardTest : public CharSelFixture {
protected:
    // Name, nicknames, job and biography as the card shows them.
    static std::vector<String> Fields(const ProfileCard& card)
    {
        std::vector<String> texts;
        for (const char32_t* name : {U"CHAR_NAME", U"CHAR_NICKNAMES", U"CHAR_JOB", U"CHAR_BIO"}) {
            const auto* label = dynamic_cast<const Label*>(card.GetChildByName(name, true).get());
            texts.push_back(label ? label->GetText() : U"(missing)");
        }
        return texts;
    }

    Ref<TweenEngine> engine = TweenEngine::New(U"TWEEN_ENGINE");
};

TEST_F(ProfileCardTest, RestsFlushWithItsEdgeHidesOneWidthFurtherOutAndHidingHiddenDoesNothing)
{
    const Ref<ProfileCard> left = ProfileCard::New(engine, U"p1bioCard", kCardSideLeft);
    const Ref<ProfileCard> right = ProfileCard::New(engine, U"p2bioCard", kCardSideRight);
    EXPECT_FALSE(left->visible);
    EXPECT_FLOAT_EQ(left->position->x, -220.0f);
    right->Hide();  // hiding a hidden card does nothing
    EXPECT_FALSE(right->GetOutTween()->IsPlaying());
    EXPECT_FALSE(right->visible);
    // Shown and hidden before the slide moved: the way back has no length, so no tween
    // runs and no end event would ever hide the card.
    right->Show();
    right->Hide();
    EXPECT_FALSE(right->visible);
    engine->Update(300);
    EXPECT_FALSE(right->visible);

    left->Show();
    right->Show();
    EXPECT_TRUE(left->visible);
    EXPECT_FLOAT_EQ(left->position->x, -420.0f);  // starts off-screen, not at rest
    engine->Update(300);
    EXPECT_FLOAT_EQ(left->position->x, -220.0f);
    EXPECT_FLOAT_EQ(right->position->x, 220.0f);

    left->Hide();
    right->Hide();
    engine->Update(300);
    engine->Update(16);  // a run ends in the update after its last step
    EXPECT_FLOAT_EQ(left->position->x, -420.0f);
    EXPECT_FLOAT_EQ(right->position->x, 420.0f);
    EXPECT_FALSE(left->visible);
    EXPECT_FALSE(right->visible);
}

TEST_F(ProfileCardTest, ASecondToggleMidSlideTurnsBackFromWhereTheCardIs)
{
    const Ref<ProfileCard> card = ProfileCard::New(engine, U"p1bioCard", kCardSideLeft);
    card->Show();
    engine->Update(150);
    EXPECT_FLOAT_EQ(card->position->x, -320.0f);

    card->Hide();  // half-way in: back out from -320, no jump to the rest x
    EXPECT_TRUE(card->GetOutTween()->IsPlaying());
    EXPECT_FALSE(card->GetInTween()->IsPlaying());
    engine->Update(60);
    EXPECT_FLOAT_EQ(card->position->x, -340.0f);
    EXPECT_TRUE(card->visible);

    card->Show();  // and in again from -340
    engine->Update(30);
    EXPECT_FLOAT_EQ(card->position->x, -328.0f);
    engine->Update(300);
    EXPECT_FLOAT_EQ(card->position->x, -220.0f);
    EXPECT_TRUE(card->visible);
}

TEST_F(ProfileCardTest, ShowsTheProfileOrQuestionMarksForALockedCharacter)
{
    const Ref<ProfileCard> card = ProfileCard::New(engine, U"p1bioCard", kCardSideLeft);
    EXPECT_EQ(Fields(*card), std::vector<String>(4, U"<UNKNOWN>"));
    const Ref<CharProfile> wren = Roster::GetCharacterById(3);
    card->SetToCharacter(wren.get());
    EXPECT_EQ(Fields(*card),
              (std::vector<String>{wren->GetName(), wren->GetNicknames(), wren->GetJob(), wren->GetBio()}));
    card->SetToCharacter(nullptr);
    EXPECT_EQ(Fields(*card), std::vector<String>(4, U"???????????"));
}

}  // namespace
}  // namespace zelka
