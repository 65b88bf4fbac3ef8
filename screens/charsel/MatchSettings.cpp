#include "screens/charsel/MatchSettings.h"

#include "engine/text/Label.h"
#include "engine/ui/ArrowCursor.h"
#include "services/data/GameData.h"
#include "services/settings/StageSettings.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/ParameterLabel.h"
#include "screens/charsel/WrapIndex.h"

#include <cmath>

namespace zelka {

namespace {

constexpr float kPresetY = -45.0f;
constexpr float kPresetArrowY = -43.0f;
constexpr float kPresetScale = 1.5f;
const String kCustomText = U"CUSTOM";

void Mirror(GDO& arrow)
{
    arrow.scale.x = -std::abs(arrow.scale.x);
}

}  // namespace

MatchSettings::MatchSettings() : RectangleGDO(kChoicePanelWidth, kChoicePanelHeight, false)
{
    tint = RGB(0, 0, 0);
}

Ref<MatchSettings> MatchSettings::New()
{
    auto settings = std::make_shared<MatchSettings>();
    settings->BuildChildren();
    const int current = GameData::gameSettings ? GameData::gameSettings->GetCurrentPreset()
                                               : kCustomPreset;
    settings->SelectPreset(current);
    settings->SelectField(kNoField);
    return settings;
}

void MatchSettings::BuildChildren()
{
    if (GameData::secFont) {
        presetLabel_ = Label::New(GameData::secFont, kPresetScale);
        presetLabel_->SetStyle(kLabelSingleLine);
        presetLabel_->name = U"PRESET_LABEL";
        AddChild2(presetLabel_, 0.0f, kPresetY);
    }
    const auto addArrow = [this](int kind, const char32_t* arrowName, float y) {
        const Ref<ArrowCursor> arrow = ArrowCursor::New(kind);
        arrow->name = arrowName;
        AddChild2(arrow, 0.0f, y);
        return arrow;
    };
    presetLeft_ = addArrow(kArrowKindBig, U"PRESET_CURSOR_LEFT", kPresetArrowY);
    presetRight_ = addArrow(kArrowKindBig, U"PRESET_CURSOR_RIGHT", kPresetArrowY);
    fieldLeft_ = addArrow(kArrowKindSmall, U"FIELD_CURSOR_LEFT", 0.0f);
    fieldRight_ = addArrow(kArrowKindSmall, U"FIELD_CURSOR_RIGHT", 0.0f);
    Mirror(*presetRight_);
    Mirror(*fieldRight_);

    const int count = GameData::gameSettings ? GameData::gameSettings->GetTotalParameters() : 0;
    for (int k = 0; k < count && GameData::stdFont; ++k) {
        const Ref<ParameterLabel> label =
            ParameterLabel::New(GameData::gameSettings->GetParameter(k)->GetParamName());
        const float x = kParamFirstX + kParamColumnStep * static_cast<float>(k / kParamRows);
        const float y = kParamFirstY + kParamRowStep * static_cast<float>(k % kParamRows);
        AddChild2(label, x, y);
        labels_.push_back(label);
    }
}

const Ref<ParameterLabel>& MatchSettings::GetParameterLabel(int index) const
{
    static const Ref<ParameterLabel> none;
    return index >= 0 && index < GetFieldCount() ? labels_[index] : none;
}

void MatchSettings::SelectField(int index)
{
    if (index < kNoField) {
        index = GetFieldCount() - 1;
    } else if (index >= GetFieldCount()) {
        index = kNoField;
    }
    field_ = index;
    const bool presetRow = field_ == kNoField;
    // A disabled arrow is not updated, so it stops pulsing.
    presetLeft_->enabled = presetRight_->enabled = presetRow;
    fieldLeft_->visible = fieldRight_->visible = !presetRow;
    if (presetRow) {
        return;
    }
    const ParameterLabel& label = *labels_[field_];
    const Label& value = *label.GetValueLabel();
    const float halfWidth = value.GetWidth() / 2 + kFieldArrowGap;
    const float x = label.position->x + value.position->x;
    fieldLeft_->position->Set(x - halfWidth, label.position->y);
    fieldRight_->position->Set(x + halfWidth, label.position->y);
}

void MatchSettings::PrevValue()
{
    if (field_ == kNoField) {
        const int count = GameData::gameSettings ? GameData::gameSettings->GetTotalPresets() : 0;
        SelectPreset(preset_ <= 0 ? count - 1 : preset_ - 1);
    } else {
        StepValue(-1);
    }
}

void MatchSettings::NextValue()
{
    if (field_ == kNoField) {
        SelectPreset(preset_ + 1);  // from CUSTOM (-1) the first preset
    } else {
        StepValue(1);
    }
}

void MatchSettings::StepValue(int step)
{
    SelectPreset(kCustomPreset);
    ParameterLabel& label = *labels_[field_];
    label.Refresh();
    label.SelectValue(label.GetShownValue() + step);
    label.Refresh();
}

void MatchSettings::SelectPreset(int index)
{
    StageSettings* settings = GameData::gameSettings.get();
    if (index == kCustomPreset || !settings || settings->GetTotalPresets() == 0) {
        preset_ = kCustomPreset;
        SetSelectorLabel(kCustomText);
        if (settings) {
            settings->SelectPreset(kCustomPreset);
        }
        return;
    }
    preset_ = WrapIndex(index, settings->GetTotalPresets());
    SetSelectorLabel(settings->GetPresetName(preset_));
    settings->SelectPreset(preset_);
}

void MatchSettings::SetSelectorLabel(const String& text)
{
    float halfWidth = 0.0f;
    if (presetLabel_) {
        presetLabel_->SetText(text);
        halfWidth = presetLabel_->GetWidth() / 2;
    }
    presetLeft_->position->x = -(halfWidth + kSelectorArrowGap);
    presetRight_->position->x = halfWidth + kSelectorArrowGap;
}

}  // namespace zelka
