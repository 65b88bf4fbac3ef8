#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

// One named choice of a match parameter.
class IntOption {
public:
    static Ref<IntOption> New(const String& name, int value);

    const String& GetName() const { return name_; }
    int GetValue() const { return value_; }

private:
    String name_;
    int value_ = 0;
};

// A named match parameter with its ordered options. Selecting an option changes only the
// selected index: the numbers the match reads are set by StageSettings::SetOption.
class StageParameter {
public:
    static Ref<StageParameter> New(const String& name);

    void AddOption(const String& name, int value);
    // False (nothing changes) when no option has that name.
    bool SelectOption(const String& name);
    // False (nothing changes) outside [0, GetTotalOptions()).
    bool SelectOption2(int index);
    int FindOption(const String& name) const;          // index, -1 if absent

    int GetOptionValue(int index) const;              // 0 out of range
    String GetOptionName(int index) const;            // "" out of range
    int GetSelectedOptionValue() const { return GetOptionValue(selected_); }
    int GetSelectedOption() const { return selected_; }
    const String& GetParamName() const { return name_; }
    int GetTotalOptions() const { return static_cast<int>(options_.size()); }

private:
    String name_;
    std::vector<Ref<IntOption>> options_;
    int selected_ = 0;
};

// The parameters of the next match, the seven presets, and the numbers derived from the
// current choices that the match reads.
class StageSettings {
public:
    // Every parameter and preset of the game, then preset 0 ("normal match").
    static Ref<StageSettings> New();

    // Appends an option to the named parameter, creating the parameter on first use.
    void AddOption2(const String& param, const String& option, int value);
    // False when a preset of that name exists already.
    bool AddPreset(const String& name);

    Ref<StageParameter> FindParameterByName(const String& name) const;  // null if absent
    int FindPresetByName(const String& name) const;                      // -1 if absent

    // Selects the option and sets its derived number; the gem respawn time is recomputed
    // every call. The current preset stays. False (nothing changes) for unknown names.
    bool SetOption(const String& param, const String& option);
    // Applies preset `index`; outside the list only the current preset becomes -1.
    void SelectPreset(int index);
    void Reset();
    int GetCurrentPreset() const { return currentPreset_; }

    int GetTotalPresets() const { return static_cast<int>(presets_.size()); }
    String GetPresetName(int index) const;                           // "" out of range
    int GetTotalParameters() const { return static_cast<int>(params_.size()); }
    Ref<StageParameter> GetParameter(int index) const;               // null out of range

    int GetMazeWidth() const { return mazeWidth_; }        // cells
    int GetMazeHeight() const { return mazeHeight_; }      // cells
    int GetCornerTreasure() const { return cornerTreasure_; }  // gems
    int GetGemsInItems() const { return gemsInItems_; }    // gems
    int GetItemSpawn() const { return itemSpawn_; }
    int GetTime() const { return time_; }                  // match length, ms
    bool IsTurbo() const { return turbo_; }
    int GetGemRespawnTime() const { return gemRespawnTime_; }  // ms

private:
    void ApplyPreset(const String& name);
    void SetDerived(const String& param, int value);

    std::vector<String> presets_;
    std::vector<Ref<StageParameter>> params_;
    int currentPreset_ = -1;
    int mazeWidth_ = 0;
    int mazeHeight_ = 0;
    int cornerTreasure_ = 0;
    int gemsInItems_ = 0;
    int itemSpawn_ = 0;
    int time_ = 0;
    bool turbo_ = false;
    int gemRespawnTime_ = 0;
};

}  // namespace zelka
