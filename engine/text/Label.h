#pragma once

#include "engine/core/Vector.h"
#include "engine/display/GDO.h"
#include "engine/text/Font.h"
#include "engine/text/TextConstants.h"

#include <vector>

namespace zelka {

// A display node showing a text in a bitmap font, split into lines by one of three styles
// (kLabelWrap, kLabelSingleLine, kLabelShrinkToFit) and drawn aligned inside its box around
// its origin. Every setter recomputes the lines at once; drawing never does.
// Float properties beside the GDO keys: "fontscale.x", "fontscale.y" (read: the effective
// scale), "fontscale" (write only), "width" and "height" (write: the box).
class Label : public GDO {
public:
    static Ref<Label> New(Ref<Font> font, float scale);

    void SetText(const String& text);
    // A null font is ignored.
    void ChangeFont(Ref<Font> font);
    void SetStyle(int style);
    // Box size in pixels; a component of 0 or less leaves that dimension to the text.
    void SetSize(float width, float height);
    void SetFontScale(float x, float y);
    void SetFontScale2(float scale);
    void SetKeepFontProportional(bool keep);
    void SetOnlyBreakOnSpaces(bool only);
    void SetInterLineFactor(float factor);

    const String& GetText() const { return text_; }
    const Ref<Font>& GetFont() const { return font_; }
    float GetFontScaleX() const { return effectiveScale_.x; }
    float GetFontScaleY() const { return effectiveScale_.y; }
    int GetStyle() const { return style_; }
    const std::vector<String>& GetLines() const { return lines_; }
    const std::vector<int>& GetLineWidths() const { return lineWidths_; }
    const Vector& GetTextSize() const { return textSize_; }
    const Vector& GetSize() const { return size_; }

    // The box width (height) when above 0, else the text's.
    float GetWidth() const override;
    float GetHeight() const override;
    void Draw() override;
    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    float GetFloatProperty(std::u32string_view name) const override;

    int horizontalAlignment = kAlignCentre;   // -1 left, 0 centre, 1 right
    int verticalAlignment = kAlignCentre;     // -1 top, 0 centre, 1 bottom

    Label(Ref<Font> font, float scale);

protected:
    void ComputeLines_();

private:
    void WrapLines();
    void CutSingleLine();
    void ShrinkToFit();
    void MeasureLines();
    // Width of text[begin, end) at the effective x scale.
    float ScaledWidth(std::size_t begin, std::size_t end) const;

    String text_;
    Ref<Font> font_;
    std::vector<String> lines_;
    std::vector<int> lineWidths_;
    Vector requestedScale_;
    Vector effectiveScale_;
    int style_ = kLabelWrap;
    Vector size_;
    Vector textSize_;
    bool keepProportional_ = false;
    bool onlyBreakOnSpaces_ = true;
    float interLineFactor_ = 1.0f;
};

}  // namespace zelka
