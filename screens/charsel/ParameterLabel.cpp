#include "screens/charsel/ParameterLabel.h"

#include "services/data/GameData.h"
#include "services/settings/StageSettings.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/WrapIndex.h"

namespace zelka {

namespace {

const RGB kValueColour{255, 200, 0};

// Latin-1 lower-case letters sit 0x20 above their capitals, except the division sign
// (0xF7, no case), sharp s (0xDF, none in one letter) and y with diaeresis (0xFF -> U+0178).
char32_t UpperChar(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    return c;
}

}  // namespace

String UpperCase(const String& text)
{
    String upper = text;
    for (char32_t& c : upper) {
        c = UpperChar(c);
    }
    return upper;
}

ParameterLabel::ParameterLabel(Ref<Font> font, const String& paramName)
    : Label(std::move(font), kParamScale), param_(paramName), shown_(kNoValueShown)
{
}

Ref<ParameterLabel> ParameterLabel::New(const String& paramName)
{
    auto label = std::make_shared<ParameterLabel>(GameData::stdFont, paramName);
    label->SetStyle(kLabelSingleLine);
    label->horizontalAlignment = kAlignEnd;
    label->SetSize(kParamNameWidth, kParamHeight);
    label->tint = RGB(kGreyLabel, kGreyLabel, kGreyLabel);
    label->SetText(UpperCase(paramName));

    label->value_ = Label::New(GameData::stdFont, kParamScale);
    label->value_->SetStyle(kLabelSingleLine);
    label->value_->horizontalAlignment = kAlignStart;
    label->value_->SetSize(kParamValueWidth, kParamHeight);
    label->value_->tint = kValueColour;
    label->value_->name = U"VALUE";
    const float valueX = kParamNameWidth / 2 + kParamValueWidth / 2 + kParamValueGap;
    label->AddChild2(label->value_, valueX, 0.0f);
    label->Refresh();
    return label;
}

void ParameterLabel::Refresh()
{
    const Ref<StageParameter> param =
        GameData::gameSettings ? GameData::gameSettings->FindParameterByName(param_) : nullptr;
    if (!param || param->GetSelectedOption() == shown_) {
        return;
    }
    shown_ = param->GetSelectedOption();
    value_->SetText(UpperCase(param->GetOptionName(shown_)));
}

void ParameterLabel::Update(int ms)
{
    Label::Update(ms);
    Refresh();
}

void ParameterLabel::SelectValue(int index)
{
    const Ref<StageParameter> param =
        GameData::gameSettings ? GameData::gameSettings->FindParameterByName(param_) : nullptr;
    const int count = param ? param->GetTotalOptions() : 0;
    if (count == 0) {
        return;
    }
    GameData::gameSettings->SetOption(param_, param->GetOptionName(WrapIndex(index, count)));
}

}  // namespace zelka
