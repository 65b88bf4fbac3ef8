#include "match/topbar/TopBar.h"

#include "engine/audio/SoundManager.h"
#include "engine/core/MathUtil.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Label.h"
#include "match/topbar/PlayerProfilePic.h"
#include "match/topbar/TopBarConstants.h"
#include "match/topbar/TopBarSource.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"

#include <string>

namespace zelka {
namespace {

constexpr int kPlayers = 2;

String Number(int value)
{
    return FromLatin1(std::to_string(value));
}

// Two digits at least: "05", "30", "123".
String TwoDigits(int value)
{
    return value < 10 ? U"0" + Number(value) : Number(value);
}

String CharacterName(const Ref<PlayerData>& player)
{
    return player && player->character ? player->character->GetName() : String();
}

RGB PlayerColor(const Ref<PlayerData>& player)
{
    return player ? player->color : RGB(kColorMax, kColorMax, kColorMax);
}

}  // namespace

Ref<TopBar> TopBar::New(const TopBarSource* match, const Ref<PlayerData>& player1,
                        const Ref<PlayerData>& player2)
{
    auto bar = std::make_shared<TopBar>();
    bar->match_ = match;
    const StatusEffectSource* status1 = match ? match->GetStatus(1) : nullptr;
    const StatusEffectSource* status2 = match ? match->GetStatus(2) : nullptr;

    // Player 1's face is mirrored so both look towards the middle.
    Ref<GDO> face1 = misc::GDOHFlip(PlayerProfilePic::New(player1, status1));
    bar->AddChild2(same::GDOWithName(face1, U"P1_FACE"), -kFaceX, kFaceY);
    bar->AddChild2(same::GDOWithName(PlayerProfilePic::New(player2, status2), U"P2_FACE"), kFaceX,
                   kFaceY);
    bar->AddChild(StaticImage::New(Texture::GetTexture(U"topbar.png")));
    bar->AddChild2(CreateNameLabel(CharacterName(player1), kAlignStart), -kNameX, kNameY);
    bar->AddChild2(CreateNameLabel(CharacterName(player2), kAlignEnd), kNameX, kNameY);

    bar->scoreLabels_[0] = CreateScoreLabel(PlayerColor(player1), kAlignEnd);
    bar->scoreLabels_[1] = CreateScoreLabel(PlayerColor(player2), kAlignStart);
    bar->AddChild2(same::GDOWithName(bar->scoreLabels_[0], U"P1_SCORE"), -kScoreX, kScoreY);
    bar->AddChild2(same::GDOWithName(bar->scoreLabels_[1], U"P2_SCORE"), kScoreX, kScoreY);
    if (match && match->IsRace()) {
        bar->AddChild2(CreateNameLabel(U"GOAL", kAlignCentre), -kScoreX, kGoalY);
        bar->AddChild2(CreateNameLabel(U"GOAL", kAlignCentre), kScoreX, kGoalY);
    }

    bar->timeLabel_ = Label::New(GameData::stdFont, 1.0f);
    bar->timeLabel_->SetStyle(kLabelShrinkToFit);
    bar->timeLabel_->SetKeepFontProportional(true);
    bar->timeLabel_->SetSize(kTimeWidth, kTimeHeight);
    bar->timeLabel_->SetText(U"00:00");
    bar->AddChild2(same::GDOWithName(bar->timeLabel_, U"TIME_LABEL"), 0.0f, kTimeY);
    return bar;
}

Ref<Label> TopBar::CreateNameLabel(const String& text, int alignment)
{
    Ref<Label> label = Label::New(GameData::stdFont, kNameFontScale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(kNameWidth, kNameHeight);
    label->horizontalAlignment = alignment;
    label->SetText(text);
    return label;
}

Ref<Label> TopBar::CreateScoreLabel(const RGB& color, int alignment)
{
    Ref<Label> label = Label::New(GameData::stdFont, kScoreFontScale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(kScoreWidth, kScoreHeight);
    label->tint.RGB2(color);
    label->horizontalAlignment = alignment;
    label->SetText(U"000");
    return label;
}

void TopBar::SetScoreLabel(Label& label, int value)
{
    // Padding is for counts; a negative value (never a real score) is shown as it is
    // rather than as "00-5".
    if (value >= 0 && value < 10) {
        label.SetText(U"00" + Number(value));
    } else if (value >= 0 && value < 100) {
        label.SetText(U"0" + Number(value));
    } else {
        label.SetText(Number(value));
    }
}

Ref<PlayerProfilePic> TopBar::GetP1ProfilePic() const
{
    return std::dynamic_pointer_cast<PlayerProfilePic>(GetChildByName(U"P1_FACE"));
}

Ref<PlayerProfilePic> TopBar::GetP2ProfilePic() const
{
    return std::dynamic_pointer_cast<PlayerProfilePic>(GetChildByName(U"P2_FACE"));
}

void TopBar::Update(int ms)
{
    EmptyGDOContainer::Update(ms);
    accumulator_ += ms;
    if (!match_) {
        return;
    }
    if (!match_->IsRace()) {
        UpdateTime();
    }
    if (accumulator_ > kScoreRefreshMs) {
        accumulator_ = 0;
        RefreshScores();
    }
}

void TopBar::RefreshScores()
{
    const bool race = match_->IsRace();
    for (int i = 0; i < kPlayers; ++i) {
        const int player = i + 1;
        if (race) {
            const int distance = match_->GetIdolDistance(player);
            if (distance >= 0) {
                SetScoreLabel(*scoreLabels_[i], distance);
            }
            continue;
        }
        shownScores_[i] += math::Sgn(match_->GetScore(player) - shownScores_[i]);
        SetScoreLabel(*scoreLabels_[i], shownScores_[i]);
    }
}

void TopBar::UpdateTime()
{
    if (!match_) {
        return;
    }
    // A negative clock would read "00:-1"; the stage keeps it at 0 or more anyway.
    const int remaining = math::Max(match_->GetRemainingTime(), 0);
    const int seconds = remaining / kMsPerSecond;
    const int minutes = remaining / kMsPerMinute;
    if (seconds <= kClockBlinkSeconds) {
        const bool lit = remaining % kMsPerSecond < kClockBlinkOnMs;
        if (lit && !timeLabel_->visible) {
            SoundManager::PlaySFX(kSfxClockTick, kSfxChannelClock, false);
        }
        timeLabel_->visible = lit;
    }
    if (seconds != lastSecond_) {
        lastSecond_ = seconds;
        timeLabel_->SetText(TwoDigits(minutes) + U":" +
                            TwoDigits(seconds - kSecondsPerMinute * minutes));
    }
}

}  // namespace zelka
