#include "screens/menus/ConfigurableOption.h"

#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"

namespace zelka {

namespace {

constexpr float kRowWidth = 240.0f;    // px
constexpr float kRowHeight = 24.0f;
constexpr float kNameX = -50.0f;
constexpr float kValueX = 70.0f;
constexpr float kNameWidth = 120.0f;
constexpr float kValueWidth = 60.0f;
constexpr float kLabelHeight = 20.0f;
constexpr float kLabelScaleX = 0.5f;   // font scale 0.5 x 1
constexpr int kValueR = 255;           // value tint (255, 204, 0)
constexpr int kValueG = 204;
constexpr int kValueB = 0;

Ref<Label> RowLabel(const String& text, float width)
{
    const Ref<Label> label = Label::New(GameData::secFont, 1.0f);
    label->SetStyle(kLabelShrinkToFit);
    label->horizontalAlignment = kAlignStart;
    label->SetFontScale(kLabelScaleX, 1.0f);
    label->SetSize(width, kLabelHeight);
    label->SetText(text);
    return label;
}

}  // namespace

Ref<ConfigurableOption> ConfigurableOption::New(const String& name, const String& value)
{
    auto option = std::make_shared<ConfigurableOption>();
    option->nameLabel_ = RowLabel(name, kNameWidth);
    option->valueLabel_ = RowLabel(value, kValueWidth);
    option->valueLabel_->tint.Set(kValueR, kValueG, kValueB);
    option->AddChild2(option->nameLabel_, kNameX, 0.0f);
    option->AddChild2(option->valueLabel_, kValueX, 0.0f);
    return option;
}

float ConfigurableOption::GetWidth() const
{
    return kRowWidth;
}

float ConfigurableOption::GetHeight() const
{
    return kRowHeight;
}

}  // namespace zelka
