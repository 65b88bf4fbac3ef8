#include "engine/text/Label.h"

#include "engine/core/MathUtil.h"

#include <algorithm>
#include <cmath>

namespace zelka {

namespace {

constexpr std::u32string_view kFontScaleX = U"fontscale.x";
constexpr std::u32string_view kFontScaleY = U"fontscale.y";
constexpr std::u32string_view kFontScale = U"fontscale";
constexpr std::u32string_view kWidth = U"width";
constexpr std::u32string_view kHeight = U"height";

bool IsLineBreak(char32_t c)
{
    return c == kLineFeedChar || c == kCarriageReturnChar;
}

// Start of the colour code that `end` cuts into (a code at j covers j .. j + 3), else `end`:
// a prefix of text[0, end) never ends inside a code.
std::size_t CutBeforeColourCode(const String& text, std::size_t end)
{
    std::size_t j = 0;
    while (j < end) {
        if (text[j] == kColorCodeChar) {
            if (j + kColorCodeLength > end) {
                return j;
            }
            j += kColorCodeLength;
        } else {
            ++j;
        }
    }
    return end;
}

}  // namespace

Label::Label(Ref<Font> font, float scale)
    : font_(std::move(font)), requestedScale_(scale, scale), effectiveScale_(scale, scale)
{
}

Ref<Label> Label::New(Ref<Font> font, float scale)
{
    auto label = std::make_shared<Label>(std::move(font), scale);
    label->ComputeLines_();
    return label;
}

void Label::SetText(const String& text)
{
    text_ = text;
    ComputeLines_();
}

void Label::ChangeFont(Ref<Font> font)
{
    if (!font) {
        return;
    }
    font_ = std::move(font);
    ComputeLines_();
}

void Label::SetStyle(int style)
{
    style_ = style;
    ComputeLines_();
}

void Label::SetSize(float width, float height)
{
    size_.Set(width, height);
    ComputeLines_();
}

void Label::SetFontScale(float x, float y)
{
    requestedScale_.Set(x, y);
    ComputeLines_();
}

void Label::SetFontScale2(float scale)
{
    SetFontScale(scale, scale);
}

void Label::SetKeepFontProportional(bool keep)
{
    keepProportional_ = keep;
    ComputeLines_();
}

void Label::SetOnlyBreakOnSpaces(bool only)
{
    onlyBreakOnSpaces_ = only;
    ComputeLines_();
}

void Label::SetInterLineFactor(float factor)
{
    interLineFactor_ = factor;
    ComputeLines_();
}

float Label::ScaledWidth(std::size_t begin, std::size_t end) const
{
    const std::u32string_view view(text_);
    return effectiveScale_.x * static_cast<float>(font_->StringWidth(view.substr(begin, end - begin)));
}

void Label::ComputeLines_()
{
    lines_.clear();
    effectiveScale_ = requestedScale_;
    if (style_ == kLabelShrinkToFit) {
        ShrinkToFit();
    } else {
        if (keepProportional_) {
            const float smaller = std::min(requestedScale_.x, requestedScale_.y);
            effectiveScale_.Set(smaller, smaller);
        }
        if (style_ == kLabelSingleLine) {
            CutSingleLine();
        } else {
            WrapLines();
        }
    }
    MeasureLines();
}

void Label::ShrinkToFit()
{
    lines_.push_back(text_);
    if (!font_) {
        return;
    }
    const int textWidth = font_->StringWidth(text_);
    if (size_.x > 0 && effectiveScale_.x * static_cast<float>(textWidth) > size_.x) {
        effectiveScale_.x = size_.x / static_cast<float>(textWidth);
    }
    const int lineHeight = font_->GetLineHeight();
    if (size_.y > 0 && effectiveScale_.y * static_cast<float>(lineHeight) > size_.y) {
        effectiveScale_.y = size_.y / static_cast<float>(lineHeight);
    }
    if (keepProportional_) {
        const float smaller = std::min(effectiveScale_.x, effectiveScale_.y);
        effectiveScale_.Set(smaller, smaller);
    }
}

void Label::CutSingleLine()
{
    const std::size_t count = text_.size();
    if (!font_ || size_.x <= 0 || count <= 1) {
        lines_.push_back(text_);
        return;
    }
    // The first prefix that overflows is shown, overflowing character included.
    for (std::size_t k = 1; k < count; ++k) {
        if (ScaledWidth(0, k) > size_.x) {
            // Never inside a colour code: a cut code is fatal when drawn.
            lines_.push_back(text_.substr(0, CutBeforeColourCode(text_, k)));
            return;
        }
    }
    lines_.push_back(text_);
}

// Breaks at the last space (any character with only-break-on-spaces off) before the
// character that overflows the box. Lines after the first start with the colour code in
// force where the previous one ended; the space at a break is dropped. A word wider than
// the box, which has no break candidate after some text on its line, is broken hard at the
// box edge, so no line comes out empty or twice.
void Label::WrapLines()
{
    const std::size_t count = text_.size();
    const bool measure = font_ && size_.x > 0;
    std::size_t start = 0;      // first character of the current line
    std::size_t candidate = 0;  // last break candidate seen
    String colour;              // colour code in force
    String prefix;              // colour code the current line starts with
    const auto addLine = [&](std::size_t end) {
        lines_.push_back(prefix + text_.substr(start, end - start));
        prefix = colour;
    };
    std::size_t i = 0;
    while (i < count) {
        const char32_t c = text_[i];
        if (!onlyBreakOnSpaces_ || c == kSpaceChar) {
            candidate = i;
        }
        if (c == kColorCodeChar) {
            if (i + kColorCodeLength > count) {
                break;   // a cut code: left in the last line, never read past the end
            }
            colour = Font::FT_Color(static_cast<int>(text_[i + 1]), static_cast<int>(text_[i + 2]),
                                    static_cast<int>(text_[i + 3]));
            i += kColorCodeLength;
            continue;
        }
        if (IsLineBreak(c)) {
            addLine(i);
            start = i + 1;
        } else if (measure) {
            // Each break moves the line start forward, so this ends.
            while (ScaledWidth(start, i + 1) > size_.x) {
                // A candidate with only spaces before it on the line would give a blank
                // line: the word is broken hard instead.
                if (candidate > start && text_.find_first_not_of(kSpaceChar, start) < candidate) {
                    addLine(candidate);
                    start = text_[candidate] == kSpaceChar ? candidate + 1 : candidate;
                } else if (i > start) {
                    addLine(i);
                    start = i;
                } else {
                    break;   // one character wider than the box: it stands alone
                }
            }
        }
        ++i;
    }
    if (start < count) {
        addLine(count);
    }
}

void Label::MeasureLines()
{
    lineWidths_.clear();
    textSize_.Set(0, 0);
    if (!font_) {
        return;
    }
    const float lineHeight = static_cast<float>(font_->GetLineHeight()) * effectiveScale_.y;
    const float lines = static_cast<float>(lines_.size());
    textSize_.y = std::max(0.0f, (lines - 1) * interLineFactor_ * lineHeight + lineHeight);
    for (const String& line : lines_) {
        const float width = effectiveScale_.x * static_cast<float>(font_->StringWidth(line));
        lineWidths_.push_back(math::TruncToInt(width));
        textSize_.x = std::max(textSize_.x, width);
    }
}

float Label::GetWidth() const
{
    return size_.x > 0 ? size_.x : textSize_.x;
}

float Label::GetHeight() const
{
    return size_.y > 0 ? size_.y : textSize_.y;
}

void Label::Draw()
{
    if (!font_) {
        return;
    }
    const float lineHeight = static_cast<float>(font_->GetLineHeight()) * effectiveScale_.y;
    const float halfWidth = GetWidth() / 2;
    const float boxHeight = size_.y;
    float top = 0;
    if (boxHeight > 0 && verticalAlignment == kAlignEnd) {
        top = std::min(boxHeight / 2, textSize_.y - boxHeight / 2);
    } else if (boxHeight > 0 && verticalAlignment == kAlignCentre) {
        top = std::min(textSize_.y / 2, boxHeight / 2);
    } else if (boxHeight > 0) {
        top = boxHeight / 2;
    } else {
        top = textSize_.y / 2;
    }
    const std::size_t count = lines_.size();
    float running = 0;
    for (std::size_t i = 0; i < count; ++i) {
        running += i + 1 < count ? lineHeight * interLineFactor_ : lineHeight;
        if (boxHeight > 0 && running > boxHeight) {
            break;   // this line would stick out of the box: it and the rest stay hidden
        }
        const float width = static_cast<float>(lineWidths_[i]);
        float x = 0;
        if (horizontalAlignment == kAlignStart) {
            x = -halfWidth;
        } else if (horizontalAlignment == kAlignEnd) {
            x = halfWidth - width;
        } else {
            x = -width / 2;
        }
        const float y = -top + static_cast<float>(i) * lineHeight * interLineFactor_;
        font_->RenderString(lines_[i], math::TruncToInt(x), math::TruncToInt(y), false,
                            effectiveScale_.x, effectiveScale_.y);
    }
}

bool Label::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == kFontScaleX) {
        SetFontScale(value, effectiveScale_.y);
    } else if (name == kFontScaleY) {
        SetFontScale(effectiveScale_.x, value);
    } else if (name == kFontScale) {
        SetFontScale(value, value);
    } else if (name == kWidth) {
        SetSize(value, GetHeight());
    } else if (name == kHeight) {
        SetSize(GetWidth(), value);
    } else {
        return GDO::TrySetFloatProperty(name, value);
    }
    return true;
}

float Label::GetFloatProperty(std::u32string_view name) const
{
    if (name == kFontScaleX) {
        return effectiveScale_.x;
    }
    if (name == kFontScaleY) {
        return effectiveScale_.y;
    }
    return GDO::GetFloatProperty(name);
}

}  // namespace zelka
