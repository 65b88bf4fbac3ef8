// The results screen's show: the timed rows, the counted scores, the scroll's end.
#include "screens/results/ResultStage.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/Timer.h"
#include "engine/text/EmbossFont.h"
#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/RetroFontWithShadow.h"
#include "engine/text/TextConstants.h"
#include "engine/tween/TweenEngine.h"
#include "engine/media/StaticImage.h"
#include "screens/results/ResultsConstants.h"
#include "services/player/PlayerData.h"

#include <string>

namespace zelka {

namespace {

String Decimal(int value)
{
    return FromLatin1(std::to_string(value));
}

int Score(const Ref<PlayerData>& player)
{
    return player ? player->score : 0;
}

}  // namespace

// ---- The show ----

void ResultStage::HandleEvent(Object* source, int id, Object* data)
{
    if (id == kEventTimerFired) {
        if (auto* timer = dynamic_cast<Timer*>(source)) {
            OnTimer(*timer);
        }
    } else if (id == kEventCounterReached) {
        if (auto* label = dynamic_cast<IncrementalIntLabel*>(source)) {
            OnScoreCounted(*label);
        }
    } else if (id == kEventTweenEngineStopped && source == tweens_.get()) {
        if (auto* entry = dynamic_cast<TweenEntry*>(data)) {
            OnTweenEnded(entry->name);
        }
    }
}

void ResultStage::AddRow(GDO& panel, const String& name, const Ref<Font>& font, float y,
                         int count)
{
    panel.AddChild2(StaticLabel(name, kRowNameWidth, kRowHeight, font, kAlignStart, 1.0f),
                    kRowNameX, y);
    panel.AddChild2(StaticLabel(U"x" + Decimal(count), kRowCountWidth, kRowHeight, font,
                                kAlignEnd, 1.0f),
                    kRowCountX, y);
}

void ResultStage::AddRows(const String& name, const Ref<Font>& font, float y, int count1,
                          int count2)
{
    (void)SoundManager::PlaySFX(kSfxResultsReveal, kSfxChannelGeneral, false);
    AddRow(*p1Panel_, name, font, y, count1);
    if (p2Panel_) {
        AddRow(*p2Panel_, name, font, y, count2);
    }
}

void ResultStage::AddDrawRow(const String& name, const Ref<Font>& font, float y, int count1,
                             int count2)
{
    p1Panel_->AddChild2(StaticLabel(name, kRowNameWidth, kRowHeight, font, kAlignStart, 1.0f),
                        kRowNameX, y);
    const String counts = U"x" + Decimal(count1) + U" vs x" + Decimal(count2);
    p1Panel_->AddChild2(StaticLabel(counts, kDrawCountsWidth, kRowHeight, font, kAlignCentre,
                                    1.0f),
                        0.0f, y + kDrawCountsBelow);
}

void ResultStage::OnTimer(Timer& timer)
{
    const String& name = timer.GetName();
    const PlayerData empty;
    const PlayerData& p1 = player1_ ? *player1_ : empty;
    const PlayerData& p2 = player2_ ? *player2_ : empty;
    const float second = kRowFirstY + kRowStepY;
    const float third = second + kRowStepY;
    if (name == U"DIAMONDS_TIMER") {
        AddRows(U"DIAMONDS", blueFont_, kRowFirstY, p1.gems, p2.gems);
    } else if (name == U"TREASURE_TIMER") {
        AddRows(U"TREASURE", amberFont_, second, p1.treasures, p2.treasures);
    } else if (name == U"ITEMBOXES_TIMER") {
        AddRows(U"ITEMS", redFont_, third, p1.chests, p2.chests);
    } else if (name == U"IDOLITEMS_TIMER") {
        AddRows(U"ITEMS", blueFont_, kRowFirstY, p1.chests, p2.chests);
    } else if (name == U"GOLDENIDOL_TIMER") {
        const bool first = outcome_ == kResultPlayer1Won;
        AddRows(U"IDOL", amberFont_, second, first ? 1 : 0, first ? 0 : 1);
    } else if (name == U"SCORE_TIMER") {
        AddScores();
    } else if (name == U"DIAMONDS_TIMER_DRAW") {
        AddDrawRow(U"DIAMONDS", blueFont_, kRowFirstY, p1.gems, p2.gems);
    } else if (name == U"TREASURE_TIMER_DRAW") {
        AddDrawRow(U"TREASURE", amberFont_, kRowFirstY + kDrawRowStepY, p1.treasures,
                   p2.treasures);
    } else if (name == U"ITEMBOXES_TIMER_DRAW") {
        AddDrawRow(U"ITEMS", redFont_, kRowFirstY + 2.0f * kDrawRowStepY, p1.chests, p2.chests);
    } else if (name == U"SCORE_TIMER_DRAW") {
        p1Score_ = ScoreLabel(p1.score, kScoreWidth, kScoreHeight, goldFont_, kAlignCentre,
                              kScoreScale);
        p1Panel_->AddChild2(p1Score_, 0.0f, kDrawScoreY);
        EventManager::RegisterListener(Self(), p1Score_, kEventCounterReached);
    } else if (name == U"LOSER_PANEL_TIMER") {
        auto* panel = dynamic_cast<GDO*>(timer.GetData().get());
        if (outcome_ != kResultDraw && panel != nullptr) {
            DisableChildLabels(*panel, loserFont_);
        }
    }
}

void ResultStage::AddScores()
{
    (void)SoundManager::PlaySFX(kSfxResultsCount, kSfxChannelPlayer1, true);
    p1Score_ = ScoreLabel(Score(player1_), kScoreWidth, kScoreHeight, goldFont_, kAlignEnd,
                          kScoreScale);
    p2Score_ = ScoreLabel(Score(player2_), kScoreWidth, kScoreHeight, goldFont_, kAlignEnd,
                          kScoreScale);
    p1Panel_->AddChild2(p1Score_, kScoreX, kScoreY);
    p2Panel_->AddChild2(p2Score_, kScoreX, kScoreY);
    EventManager::RegisterListener(Self(), p1Score_, kEventCounterReached);
    EventManager::RegisterListener(Self(), p2Score_, kEventCounterReached);
}

void ResultStage::OnScoreCounted(const IncrementalIntLabel& label)
{
    const bool p1Won = outcome_ == kResultPlayer1Won;
    const IncrementalIntLabel* loser = p1Won ? p2Score_.get() : p1Score_.get();
    if (&label == loser) {
        (void)SoundManager::PlaySFX(kSfxResultsLoserDone, kSfxChannelGeneral, false);
        StartTween(U"SCROLL_TWEEN");
        if (dialog_ && voice_ >= 0) {
            SoundManager::FadeOutBGM(kVoiceMusicVolume, kVoiceMusicFadeMs);
        }
        AddTimer(U"LOSER_PANEL_TIMER", kLoserPanelMs, p1Won ? p2Panel_ : p1Panel_);
        return;
    }
    AudioManager::StopSFXChannel(kSfxChannelPlayer1);
    const Ref<IncrementalIntLabel>& winner = p1Won ? p1Score_ : p2Score_;
    if (winner.get() == &label) {
        PlaceShines(*winner);
    }
    done_ = true;
}

void ResultStage::PlaceShines(IncrementalIntLabel& label)
{
    if (!shines_) {
        return;
    }
    const Ref<Font>& font = label.GetFont();
    const float w =
        static_cast<float>(font ? font->StringWidth(label.GetText()) : 0) * label.GetFontScaleX();
    const float half = label.GetWidth() * 0.5f;
    const float h = kShineHeightFactor * label.GetHeight();
    const auto place = [this](const char32_t* name, float x, float y) {
        if (const Ref<GDO> shine = shines_->GetChildByName(name)) {
            shine->position->Set(x, y);
        }
    };
    place(U"SHINE1", half - w, kShine1Y * h);
    place(U"SHINE2", half, h);
    place(U"SHINE3", kShine3X * half, kShine3Y * h);
    place(U"SHINE4", 0.0f, h);
    for (const char32_t* name : {U"shineTween1", U"shineTween2", U"shineTween3"}) {
        StartTween(name);
    }
    label.AddChild(shines_);
}

void ResultStage::OnTweenEnded(const String& name)
{
    if (name == U"SCROLL_TWEEN") {
        if (dialog_) {
            (void)SoundManager::PlaySFX(voice_, kSfxChannelVoice, false);
            dialog_->visible = true;
        }
        if (outcome_ == kResultDraw) {
            StartTween(U"SCROLL_BACK_TWEEN");
            StartTween(U"CLOSEGAP_TWEEN");
        }
    } else if (name == U"CLOSEGAP_TWEEN") {
        done_ = true;
    }
}

void ResultStage::StartTween(const String& name) const
{
    if (!tweens_) {
        return;
    }
    if (const Ref<Tween> tween = tweens_->GetTween(name)) {
        tween->Start();
    }
}

}  // namespace zelka
