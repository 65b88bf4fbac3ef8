#include "engine/text/Label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "StubFont.h"
#include "engine/core/EventManager.h"
#include "engine/text/BlinkingLabel.h"
#include "engine/text/FXLabel.h"
#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/LabelWithShadow.h"

namespace zelka {
namespace {

using testing_media::StubFont;

String Red() { return Font::FT_Color(255, 0, 0); }
using Floats = std::array<float, 2>;

class LabelTest : public ::testing::Test {
protected:
    // Labels draw through the shared context: each test starts and ends with a clean one.
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    std::vector<String> Lines(const String& text)
    {
        label_->SetText(text);
        return label_->GetLines();
    }

    std::vector<String> Drawn() const
    {
        std::vector<String> texts;
        for (const auto& line : font_->drawn) texts.push_back(line.text);
        return texts;
    }
    Floats Scale() const { return {label_->GetFontScaleX(), label_->GetFontScaleY()}; }

    Ref<StubFont> font_ = StubFont::New();
    Ref<Label> label_ = Label::New(font_, 1.0f);
};

TEST_F(LabelTest, WrapBreaksAtTheLastSpaceAndDropsIt)
{
    label_->SetSize(100, 0);
    // Words of 40 pixels: two and their space (90) fit, a third letter would not.
    EXPECT_EQ(Lines(U"aaaa bbbb cccc dddd e"), (std::vector<String>{U"aaaa bbbb", U"cccc dddd", U"e"}));
    EXPECT_EQ(label_->GetLineWidths(), (std::vector<int>{90, 90, 10}));
    EXPECT_EQ((Floats{label_->GetTextSize().x, label_->GetTextSize().y}), (Floats{90.0f, 48.0f}));
    // At x scale 2 each character is 20 pixels wide.
    label_->SetFontScale(2.0f, 1.0f);
    label_->SetSize(50, 0);
    EXPECT_EQ(Lines(U"ab cd"), (std::vector<String>{U"ab", U"cd"}));
}

TEST_F(LabelTest, WordWiderThanTheBoxBreaksHardWithoutEmptyOrRepeatedLines)
{
    label_->SetSize(50, 0);
    EXPECT_EQ(Lines(U"hi abcdefghijkl\nxy"), (std::vector<String>{U"hi", U"abcde", U"fghij", U"kl", U"xy"}));
    // A word wider than the box at the very start, and one right after a line feed.
    EXPECT_EQ(Lines(U"abcdefg"), (std::vector<String>{U"abcde", U"fg"}));
    EXPECT_EQ(Lines(U"ab\n  cdefghij k"), (std::vector<String>{U"ab", U"  cde", U"fghij", U"k"}));
    // Not only on spaces: the character that would overflow starts the next line.
    label_->SetOnlyBreakOnSpaces(false);
    EXPECT_EQ(Lines(U"abcdefghijkl"), (std::vector<String>{U"abcde", U"fghij", U"kl"}));
    // A box narrower than one character: one character per line, none lost or doubled.
    label_->SetSize(5, 0);
    EXPECT_EQ(Lines(U"abc"), (std::vector<String>{U"a", U"b", U"c"}));
}

TEST_F(LabelTest, LineFeedsBreakAndCarryTheColourCode)
{
    // Without a box width only line feeds and carriage returns break lines.
    EXPECT_EQ(Lines(U"ab" + Red() + U"cd\nef"), (std::vector<String>{U"ab" + Red() + U"cd", Red() + U"ef"}));
    EXPECT_EQ(Lines(U"a\r\nb"), (std::vector<String>{U"a", U"", U"b"}));
    EXPECT_EQ(Lines(U"long line without any box"), (std::vector<String>{U"long line without any box"}));
    // A wrapped line also starts in the colour in force where the last one ended.
    label_->SetSize(50, 0);
    EXPECT_EQ(Lines(Red() + U"aaa bbb"), (std::vector<String>{Red() + U"aaa", Red() + U"bbb"}));
    // Colour components of 10, 13 or 32 are colour, not line breaks or spaces.
    const String odd = Font::FT_Color(10, 13, 32);
    EXPECT_EQ(Lines(U"ab" + odd + U"cd"), (std::vector<String>{U"ab" + odd + U"cd"}));
    EXPECT_EQ(label_->GetLineWidths(), (std::vector<int>{40}));
    // The walk never reads past a colour code cut by the end of the text.
    const String cut = String(U"abc") + kColorCodeChar + U"\x01";
    EXPECT_EQ(Lines(cut), (std::vector<String>{cut}));
    EXPECT_EQ(Lines(String(1, kColorCodeChar)), (std::vector<String>{String(1, kColorCodeChar)}));
}

TEST_F(LabelTest, SingleLineShowsTheFirstOverflowingPrefixWithoutSplittingAColourCode)
{
    label_->SetStyle(kLabelSingleLine);
    label_->SetSize(25, 0);
    EXPECT_EQ(Lines(U"abcdef"), (std::vector<String>{U"abc"}));   // 30 pixels
    EXPECT_EQ(Lines(U"abc"), (std::vector<String>{U"abc"}));      // "ab" fits: shown whole
    // Kerning before a colour code counts in the width, so the cut can land inside one.
    label_->ChangeFont(StubFont::New("kerning first=98 second=18 amount=20\n"));
    EXPECT_EQ(Lines(U"ab" + Font::FT_Color(1, 2, 3) + U"cd"), (std::vector<String>{U"ab"}));
    label_->SetSize(0, 0);
    EXPECT_EQ(Lines(U"abcdef\nxyz"), (std::vector<String>{U"abcdef\nxyz"}));
}

TEST_F(LabelTest, ShrinkToFitScalesDownToTheBox)
{
    label_->SetStyle(kLabelShrinkToFit);
    label_->SetSize(100, 0);
    label_->SetText(U"twenty characters!!!");   // 200 pixels
    EXPECT_EQ(Scale(), (Floats{0.5f, 1.0f}));
    EXPECT_FLOAT_EQ(label_->GetTextSize().x, 100.0f);
    label_->SetKeepFontProportional(true);
    EXPECT_EQ(Scale(), (Floats{0.5f, 0.5f}));
    // A box lower than a line squeezes the height.
    label_->SetKeepFontProportional(false);
    label_->SetSize(0, 8);
    EXPECT_EQ(Scale(), (Floats{1.0f, 0.5f}));
    // Text that fits keeps the requested scale.
    label_->SetSize(1000, 100);
    EXPECT_EQ(Scale(), (Floats{1.0f, 1.0f}));
    EXPECT_EQ(label_->GetLines().size(), 1u);
    // Proportional takes the smaller of the two requested scales.
    label_->SetFontScale(2.0f, 0.5f);
    label_->SetKeepFontProportional(true);
    EXPECT_FLOAT_EQ(label_->GetFontScaleX(), 0.5f);
}

TEST_F(LabelTest, BoxHeightHidesLinesThatWouldStickOut)
{
    label_->SetSize(100, 40);
    label_->SetText(U"one\ntwo\nthree");
    label_->Draw();
    EXPECT_EQ(Drawn(), (std::vector<String>{U"one", U"two"}));   // the third would reach 48
}

TEST_F(LabelTest, InterLineFactorAndAlignmentPlaceTheLines)
{
    label_->SetInterLineFactor(1.5f);
    label_->SetText(U"a\nbb\nccc");
    EXPECT_FLOAT_EQ(label_->GetTextSize().y, 2 * 1.5f * 16 + 16);   // 64
    label_->Draw();
    ASSERT_EQ(font_->drawn.size(), 3u);
    // A centred block of lines 24 apart; each line centred too (-30 / 2 for "ccc").
    EXPECT_EQ((std::array<int, 4>{font_->drawn[0].y, font_->drawn[1].y, font_->drawn[2].y, font_->drawn[2].x}),
              (std::array<int, 4>{-32, -8, 16, -15}));

    label_->SetInterLineFactor(1.0f);
    label_->SetSize(100, 40);
    label_->SetText(U"abc");   // 30 wide, 16 high
    const auto drawAt = [&](int h, int v) {
        label_->horizontalAlignment = h;
        label_->verticalAlignment = v;
        font_->drawn.clear();
        label_->Draw();
        return std::array<int, 2>{font_->drawn.at(0).x, font_->drawn.at(0).y};
    };
    EXPECT_EQ(drawAt(kAlignStart, kAlignStart), (std::array<int, 2>{-50, -20}));
    EXPECT_EQ(drawAt(kAlignEnd, kAlignEnd), (std::array<int, 2>{20, 4}));   // bottom: 20 - 16
    // A block taller than the box sits at the top when bottom-aligned.
    label_->SetText(U"a\nb\nc\nd");
    label_->SetSize(100, 80);
    EXPECT_EQ(drawAt(kAlignStart, kAlignEnd)[1], -24);   // 64 high: min(40, 64 - 40) = 24
}

TEST_F(LabelTest, SizeAndScaleFollowTheFloatProperties)
{
    label_->SetSize(0, 30);
    label_->SetText(U"abc\nabcdefg");
    EXPECT_EQ((Floats{label_->GetWidth(), label_->GetHeight()}), (Floats{70.0f, 30.0f}));   // no box width: the text's
    label_->SetSize(0, 0);
    label_->SetText(U"abcd");
    EXPECT_TRUE(label_->SetFloatProperty(U"fontscale", 2.0f));
    EXPECT_FLOAT_EQ(label_->GetFontScaleY(), 2.0f);
    EXPECT_TRUE(label_->SetFloatProperty(U"fontscale.x", 0.5f));
    EXPECT_FLOAT_EQ(label_->GetTextSize().x, 20.0f);   // lines recomputed at once
    EXPECT_TRUE(label_->SetFloatProperty(U"width", 15.0f));
    EXPECT_FLOAT_EQ(label_->GetSize().y, 32.0f);   // the text height at that moment
    EXPECT_EQ(label_->GetLines().size(), 2u);      // now wrapped at 15 pixels
    EXPECT_TRUE(label_->SetFloatProperty(U"position.x", 7.0f));
    EXPECT_FLOAT_EQ(label_->position->x, 7.0f);
}

TEST_F(LabelTest, WithoutFontNothingIsMeasuredOrDrawn)
{
    const Ref<Label> bare = Label::New(nullptr, 1.0f);
    bare->SetSize(10, 0);
    bare->SetText(U"abc def\nghi");
    EXPECT_EQ(bare->GetLines(), (std::vector<String>{U"abc def", U"ghi"}));
    EXPECT_FLOAT_EQ(bare->GetTextSize().x, 0.0f);
    bare->Draw();
    bare->ChangeFont(nullptr);   // ignored
    EXPECT_EQ(bare->GetFont(), nullptr);
}

TEST_F(LabelTest, ShadowIsDrawnFirstOffsetAndTinted)
{
    const Ref<LabelWithShadow> label = LabelWithShadow::New(font_, 1.0f);
    label->SetText(U"hey");
    same::SetTint(200, 210, 220);
    label->Draw();
    ASSERT_EQ(font_->drawn.size(), 2u);
    const auto& [shadow, text] = std::tie(font_->drawn[0], font_->drawn[1]);
    EXPECT_EQ(shadow.tint, (std::array<int, 3>{82, 82, 82}));
    EXPECT_EQ(text.tint, (std::array<int, 3>{200, 210, 220}));
    EXPECT_EQ((std::array<float, 4>{shadow.matrix[4], shadow.matrix[5], text.matrix[4], text.matrix[5]}),
              (std::array<float, 4>{2.0f, 2.0f, 0.0f, 0.0f}));
    EXPECT_EQ(shadow.x, text.x);
}

TEST(BlinkingLabel, ShownInTheFirstHalfOfEachPeriod)
{
    const Ref<BlinkingLabel> label = BlinkingLabel::New(StubFont::New(), 2.0f, 1.0f);
    std::vector<int> hiddenAt;
    for (int ms = 1; ms <= 500; ++ms) {
        label->Update(1);
        if (!label->IsVisible()) hiddenAt.push_back(ms);
    }
    // Period 250: visible up to 125 ms into it, hidden from 126 until the update that
    // reaches 250 ms, which restarts the period.
    std::vector<int> expected;
    for (int ms = 126; ms <= 500; ms += ms == 250 ? 126 : 1) expected.push_back(ms);
    EXPECT_EQ(hiddenAt, expected);

    label->Show3(false);   // hiding disables; showing lets the next update decide
    EXPECT_FALSE(label->IsEnabled());
    label->Show3(true);
    EXPECT_FALSE(label->IsVisible());
    label->Update(1);
    EXPECT_TRUE(label->IsVisible());
    label->blinking = false;
    label->Update(200);
    EXPECT_TRUE(label->IsVisible());
    // A rate of 0 would divide by zero: it never blinks instead.
    EXPECT_EQ(BlinkingLabel::New(nullptr, 0.0f, 1.0f)->blinkPeriod, 50000000);
}

class IdSpy : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* data) override
    {
        EXPECT_EQ(data, nullptr);
        ids.push_back(id);
        sources.push_back(source);
    }
    std::vector<int> ids;
    std::vector<Object*> sources;
};

TEST(FXLabel, PopsWithAnElasticStretchHidesAgainAndRestartsWhenShownMidPop)
{
    EventManager::RemoveAllListeners();
    const Ref<FXLabel> label = FXLabel::New(StubFont::New(), 1.0f);
    label->Update(16);
    EXPECT_FALSE(label->IsVisible());   // hidden until popped
    label->Show4(U"GO!");
    float peak = 0;
    int visibleUpdates = 0;
    for (; visibleUpdates < 100; ++visibleUpdates) {
        label->Update(16);
        if (!label->IsVisible()) break;
        peak = std::max(peak, label->scale.y);
    }
    EXPECT_NEAR(visibleUpdates, 62, 2);   // out and back over 500 ms each
    EXPECT_GT(peak, 1.0f);   // elastic overshoot past full height
    label->Show4(U"");   // an empty text pops the old one again
    label->Update(16);
    EXPECT_TRUE(label->IsVisible());
    EXPECT_EQ(label->GetText(), U"GO!");

    label->GetTween()->SetEvents(true);
    const auto spy = std::make_shared<IdSpy>();
    EventManager::RegisterListener(spy, label->GetTween(), kEventTweenStopped);
    label->Show4(U"B");   // mid-pop: the running pop is stopped and starts over
    EXPECT_EQ(spy->ids, (std::vector<int>{kEventTweenStopped}));
    EXPECT_EQ(label->GetTween()->GetElapsed(), 0);
    EXPECT_TRUE(label->GetTween()->IsPlaying());
    EventManager::RemoveAllListeners();
}

TEST(IncrementalIntLabel, CountsByTensThenOnesAndReportsOnce)
{
    EventManager::RemoveAllListeners();
    const auto spy = std::make_shared<IdSpy>();
    const auto counter = [&spy](Ref<Font> font) {
        const Ref<IncrementalIntLabel> label = IncrementalIntLabel::New(std::move(font), 1.0f);
        EventManager::RegisterListener(spy, label, kEventCounterReached);
        return label;
    };
    const Ref<IncrementalIntLabel> label = counter(StubFont::New());
    label->SetValue(250);
    std::vector<int> shown;
    for (int n = 0; n < 200 && !label->IsDone(); ++n) {
        label->Update(16);
        shown.push_back(label->GetValue());
    }
    // 10, 20 ... 150 (15 steps), then 151 ... 250 (100 steps).
    std::vector<int> expected;
    for (int v = 10; v <= 250; v += v < 150 ? 10 : 1) expected.push_back(v);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(label->GetText(), U"250");
    EXPECT_EQ(spy->sources, (std::vector<Object*>{label.get()}));
    label->SetValue(300);   // done: later targets are ignored, nothing more is sent
    label->Update(16);
    label->FastForward();
    EXPECT_EQ(label->GetValue(), 250);

    const Ref<IncrementalIntLabel> down = counter(nullptr);
    down->SetValue(-4321);
    down->Update(16);
    EXPECT_EQ(down->GetValue(), -10);
    down->FastForward();
    EXPECT_EQ(down->GetText(), U"-4321");
    const Ref<IncrementalIntLabel> zero = counter(nullptr);
    zero->Update(16);   // target 0 = current 0: done at once
    EXPECT_EQ(spy->sources, (std::vector<Object*>{label.get(), down.get(), zero.get()}));
    EXPECT_EQ(spy->ids, std::vector<int>(3, kEventCounterReached));
    EventManager::RemoveAllListeners();
}

}  // namespace
}  // namespace zelka
