#pragma once

#include "engine/text/Label.h"

namespace zelka {

// One match parameter of GameData::gameSettings by name: the name in upper case, grey and
// right-aligned, and its current option beside it in gold. It re-reads the settings every
// update, so it follows any change made elsewhere (a preset applied, say).
class ParameterLabel : public Label {
public:
    static Ref<ParameterLabel> New(const String& paramName);

    // Takes the parameter's selected option when it differs from the one shown; nothing
    // when the settings have no parameter of this name.
    void Refresh();
    void Update(int ms) override;
    // Selects option `index` of the parameter, wrapping both ways, through the settings
    // (so the numbers the match reads follow).
    void SelectValue(int index);

    [[nodiscard]] const String& GetParamName() const { return param_; }
    [[nodiscard]] int GetShownValue() const { return shown_; }
    [[nodiscard]] const Ref<Label>& GetValueLabel() const { return value_; }

    ParameterLabel(Ref<Font> font, const String& paramName);

private:
    String param_;
    int shown_;
    Ref<Label> value_;
};

// Upper case by the fixed Unicode mapping of Basic Latin and Latin-1 (the letters the
// game's texts use), whatever the process locale; other characters stay as they are.
[[nodiscard]] String UpperCase(const String& text);

}  // namespace zelka
