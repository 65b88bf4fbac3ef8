#pragma once

#include "engine/display/RectangleGDO.h"

#include <vector>

namespace zelka {

class ArrowCursor;
class Label;
class ParameterLabel;

// The match-settings choice of the character-select screen: a black 640 x 120 box with the
// preset row on top ("PRESET_LABEL" between two arrows) and one ParameterLabel per match
// parameter of GameData::gameSettings in columns of four. Up and down move through the
// preset row and the parameters (wrapping); left and right step the preset, or the
// selected parameter's value, which turns the preset into "CUSTOM". Every change is
// written into GameData::gameSettings at once.
class MatchSettings : public RectangleGDO {
public:
    // Builds the children, then selects the settings' current preset and the preset row.
    static Ref<MatchSettings> New();

    // kNoField (-1) is the preset row; below it wraps to the last parameter, at or past
    // the count to the preset row.
    void SelectField(int index);
    void PrevValue();
    void NextValue();
    // kCustomPreset (-1) shows "CUSTOM" and leaves every parameter; other indices wrap and
    // apply that preset.
    void SelectPreset(int index);
    // Shows `text` in the preset row with the arrows moved to its ends.
    void SetSelectorLabel(const String& text);

    [[nodiscard]] int GetSelectedField() const { return field_; }
    [[nodiscard]] int GetSelectedPreset() const { return preset_; }
    [[nodiscard]] int GetFieldCount() const { return static_cast<int>(labels_.size()); }
    [[nodiscard]] const Ref<ParameterLabel>& GetParameterLabel(int index) const;

    MatchSettings();

private:
    void BuildChildren();
    void StepValue(int step);

    int field_ = -1;
    int preset_ = -1;
    std::vector<Ref<ParameterLabel>> labels_;
    Ref<Label> presetLabel_;
    Ref<ArrowCursor> presetLeft_;
    Ref<ArrowCursor> presetRight_;
    Ref<ArrowCursor> fieldLeft_;
    Ref<ArrowCursor> fieldRight_;
};

}  // namespace zelka
